-- An item's name (its active take's, read without extension) and mute state.
local t = require "testlib"

t.fresh(2)
local item = t.item(0, 0, "stereo")
local empty = t.item(1, 0, nil)
local take = reaper.GetActiveTake(item)

for _, case in ipairs({
  { "Guitar.wav", "Guitar" }, { "take.01.wav", "take" }, { "Vocal", "Vocal" }, { "name.", "name." },
  { ".wav", "" }, { "", "" }, { "two\nlines.wav", "two\nlines" },
}) do
  reaper.GetSetMediaItemTakeInfo_String(take, "P_NAME", case[1], true)
  t.eq(reaper.KO_GetMediaItemName(item), case[2], "name of " .. case[1])
  t.code(0, "name of " .. case[1])
end

-- Setting stores the text as given; reading cuts the extension.
reaper.KO_SetMediaItemName(item, "My.Take")
local _, stored = reaper.GetSetMediaItemTakeInfo_String(take, "P_NAME", "", false)
t.eq(stored, "My.Take", "stored as given")
t.eq(reaper.KO_GetMediaItemName(item), "My", "read back")

-- A long name keeps its first 1023 bytes.
reaper.KO_SetMediaName(0, 0, string.rep("x", 2000))
_, stored = reaper.GetSetMediaItemTakeInfo_String(take, "P_NAME", "", false)
t.eq(#stored, 1023, "long name")

-- The other forms, and the host answering a null name.
reaper.KO_SetTrackMediaName(0, 0, 0, "Bass.aif")
t.eq(reaper.KO_GetSelectedTrackMediaName(0, 0, 0), "", "no selected track")
t.code(10, "no selected track")
reaper.SetTrackSelected(reaper.GetTrack(0, 0), true)
t.eq(reaper.KO_GetSelectedTrackMediaName(0, 0, 0), "Bass", "selected track form")
sim.null_take_names(true)
t.eq(reaper.KO_GetMediaItemName(item), "", "null name from the host")
t.code(0, "null name from the host")
sim.null_take_names(false)

-- A refused name.
sim.refuse_param("P_NAME", true)
reaper.KO_SetMediaItemName(item, "Refused")
t.code(14, "refused name")
sim.refuse_param("P_NAME", false)
t.eq(reaper.KO_GetMediaItemName(item), "Bass", "unchanged after a refusal")

-- No take: the name operations report 12, mute works.
t.eq(reaper.KO_GetMediaItemName(empty), "", "name without take")
t.code(12, "name without take")
reaper.KO_SetMediaItemName(empty, "x")
t.code(12, "set name without take")

local before = sim.update_count()
for _, state in ipairs({ true, false, true }) do
  reaper.KO_SetMediaItemMute(empty, state)
  t.code(0, "mute without take")
  t.eq(reaper.KO_GetMediaItemMute(empty), state, "mute read back")
  t.eq(reaper.GetMediaItemInfo_Value(empty, "B_MUTE"), state and 1.0 or 0.0, "B_MUTE")
end
t.eq(sim.update_count(), before + 3, "one redraw per mute write")

-- Any non-zero B_MUTE reads as muted; the forms agree.
reaper.SetMediaItemInfo_Value(item, "B_MUTE", 1)
t.eq(reaper.KO_GetMediaMute(0, 0), true, "media form")
t.eq(reaper.KO_GetSelectedMediaMute(0, 0), false, "nothing selected")
t.code(11, "nothing selected")
reaper.SetMediaItemSelected(item, true)
t.eq(reaper.KO_GetSelectedMediaMute(0, 0), true, "selected form")
t.eq(reaper.KO_GetTrackMediaMute(0, 1, 0), true, "track form")

sim.refuse_param("B_MUTE", true)
before = sim.update_count()
reaper.KO_SetMediaItemMute(item, false)
t.code(14, "refused mute")
t.eq(sim.update_count(), before, "no redraw after a refused mute")
t.eq(reaper.KO_GetMediaItemMute(item), true, "still muted")

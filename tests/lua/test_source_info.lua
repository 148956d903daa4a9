-- Source types counted over sets of items, and one item's bits per sample,
-- sample rate, channel count and channel mode.
local t = require "testlib"

t.fresh(3)
local wav1 = t.item(0, 0, "stereo")
t.item(0, 2, "mp3")
local wav2 = t.item(1, 0, "mono")
t.item(1, 2, "mp3")
local empty = t.item(1, 4, nil)     -- no take: visited by the counters, counted under no type
reaper.SetMediaItemSelected(wav1, true)
reaper.SetMediaItemSelected(empty, true)
reaper.SetTrackSelected(reaper.GetTrack(0, 1), true)

local function counts(fn, ...)
  local args = { ... }
  return function(mediaType)
    args[#args + 1] = mediaType
    local all, typed = reaper[fn](table.unpack(args))
    args[#args] = nil
    return all, typed
  end
end

local sets = {
  { "project", counts("KO_GetMediaTypeCount", 0), 5, { [""] = 5, wave = 2, WAV = 2, wav = 2, MP3 = 2, flac = 0 } },
  { "selected", counts("KO_GetSelectedMediaTypeCount", 0), 2, { [""] = 2, wav = 1, mp3 = 0 } },
  { "track handle", counts("KO_GetTrackItemMediaTypeCount", reaper.GetTrack(0, 0)), 2, { [""] = 2, WAVE = 1, mp3 = 1 } },
  { "track index", counts("KO_GetTrackMediaTypeCount", 0, 1), 3, { [""] = 3, wav = 1, mp3 = 1 } },
  { "selected track", counts("KO_GetSelectedTrackMediaTypeCount", 0, 0), 3, { [""] = 3, wave = 1 } },
  { "empty track", counts("KO_GetTrackMediaTypeCount", 0, 2), 0, { [""] = 0, wav = 0 } },
}
for _, set in ipairs(sets) do
  for mediaType, expected in pairs(set[4]) do
    local label = set[1] .. " " .. mediaType
    local all, typed = set[2](mediaType)
    t.eq(all, set[3], label .. " all")
    t.eq(typed, expected, label .. " typed")
    t.code(0, label)
  end
end

-- A track that does not exist: code 10 and both counts untouched (REAPER
-- hands the script zeros for out values the call did not write).
for _, call in ipairs({
  function() return reaper.KO_GetTrackMediaTypeCount(0, 10, "wav") end,
  function() return reaper.KO_GetSelectedTrackMediaTypeCount(0, 1, "wav") end,
  function() return reaper.KO_GetTrackItemMediaTypeCount(nil, "wav") end,
}) do
  local all, typed = call()
  t.eq(all, 0, "missing track all")
  t.eq(typed, 0, "missing track typed")
  t.code(10, "missing track")
end

-- Bits per sample, sample rate, channels.
t.eq(reaper.KO_GetMediaItemBitRate(wav1), 16, "16-bit wav")
t.eq(reaper.KO_GetMediaItemSampleRate(wav1), 44100, "stereo rate")
t.eq(reaper.KO_GetMediaItemSampleRate(wav2), 48000, "mono rate")
t.eq(reaper.KO_GetMediaBitRate(0, 1), 0, "mp3 has no bit depth")
t.code(0, "mp3 bit depth")

local take = reaper.GetActiveTake(wav1)
for _, case in ipairs({ { 0, 2 }, { 1, 2 }, { 2, 1 }, { 3, 1 }, { 4, 1 }, { 66, 1 }, { 67, 2 }, { 200, 2 } }) do
  reaper.SetMediaItemTakeInfo_Value(take, "I_CHANMODE", case[1])
  t.eq(reaper.KO_GetMediaItemNumChannels(wav1), case[2], "stereo in mode " .. case[1])
  t.eq(reaper.KO_GetMediaItemChannelMode(wav1), case[1], "mode read " .. case[1])
end
for _, mode in ipairs({ 0, 2, 67 }) do
  reaper.SetMediaItemTakeInfo_Value(reaper.GetActiveTake(wav2), "I_CHANMODE", mode)
  t.eq(reaper.KO_GetMediaItemNumChannels(wav2), 1, "mono in mode " .. mode)
end

-- Channel mode written as given, no range test; a refusal is code 14.
local before = sim.update_count()
reaper.KO_SetMediaItemChannelMode(wav1, 500)
t.code(0, "mode 500")
t.eq(reaper.GetMediaItemTakeInfo_Value(take, "I_CHANMODE"), 500.0, "mode 500 stored")
t.eq(sim.update_count(), before + 1, "redrawn")
sim.refuse_param("I_CHANMODE", true)
reaper.KO_SetMediaItemChannelMode(wav1, 3)
t.code(14, "refused mode")
t.eq(sim.update_count(), before + 1, "no redraw after a refusal")
sim.refuse_param("I_CHANMODE", false)
reaper.KO_SetTrackMediaChannelMode(0, 0, 0, 3)
t.eq(reaper.KO_GetMediaItemChannelMode(wav1), 3, "set through a track form")

-- An item without takes: every item operation reports 12.
for _, fn in ipairs({ "KO_GetMediaItemBitRate", "KO_GetMediaItemSampleRate", "KO_GetMediaItemNumChannels",
                      "KO_GetMediaItemChannelMode" }) do
  t.eq(reaper[fn](empty), 0, fn .. " without take")
  t.code(12, fn .. " without take")
end
reaper.KO_SetMediaItemChannelMode(empty, 1)
t.code(12, "set mode without take")

-- A take without a source: 13.
local bare = reaper.AddMediaItemToTrack(reaper.GetTrack(0, 2))
reaper.AddTakeToMediaItem(bare)
for _, fn in ipairs({ "KO_GetMediaItemBitRate", "KO_GetMediaItemSampleRate", "KO_GetMediaItemNumChannels" }) do
  t.eq(reaper[fn](bare), 0, fn .. " without source")
  t.code(13, fn .. " without source")
end
t.eq(reaper.KO_GetMediaItemChannelMode(bare), 0, "mode needs no source")
t.code(0, "mode needs no source")

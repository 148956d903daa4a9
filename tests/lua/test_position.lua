-- Start, length and end in seconds and video frames; moving items by start.
local t = require "testlib"

t.fresh(1)
sim.set_frame_rate(0, 30)
local item = t.item(0, 1.0, "stereo", 2.0)

-- Frames from seconds at 30 fps, including the cases where the scaled
-- arithmetic lands a frame away from r x t.
for _, case in ipairs({ { 1.0, 30 }, { 4.1, 123 }, { 1 / 3, 9 }, { 1 / 6, 4 }, { 0, 0 } }) do
  reaper.SetMediaItemInfo_Value(item, "D_POSITION", case[1])
  t.eq(reaper.KO_GetMediaItemStartTimeFrame(item), case[2], "start frame of " .. case[1])
  t.eq(reaper.KO_GetMediaItemStartTimeSeconds(item), case[1], "start of " .. case[1])
end

-- Setting a start in frames: 10 -> 1/3 s, read back as frame 9; 7.5 -> 0.25 s.
reaper.KO_SetMediaItemStartTimeFrame(item, 10)
t.code(0, "set frame 10")
t.near(reaper.GetMediaItemInfo_Value(item, "D_POSITION"), 10 / 30, "frame 10 in seconds")
t.eq(reaper.KO_GetMediaItemStartTimeFrame(item), 9, "frame 10 read back")
reaper.KO_SetMediaStartTimeFrame(0, 0, 7.5)
t.eq(reaper.GetMediaItemInfo_Value(item, "D_POSITION"), 0.25, "frame 7.5")
t.eq(reaper.GetMediaItemInfo_Value(item, "D_LENGTH"), 2.0, "length unchanged")

-- Negative and not-a-number starts are refused and the item stays put.
reaper.KO_SetMediaItemStartTimeSeconds(item, 3.0)
for _, case in ipairs({
  { "KO_SetMediaItemStartTimeSeconds", -0.5 }, { "KO_SetMediaItemStartTimeFrame", -1 },
  { "KO_SetMediaItemStartTimeSeconds", 0 / 0 }, { "KO_SetMediaItemStartTimeFrame", 0 / 0 },
}) do
  reaper[case[1]](item, case[2])
  t.code(15, case[1] .. " " .. tostring(case[2]))
  t.eq(reaper.GetMediaItemInfo_Value(item, "D_POSITION"), 3.0, "item stays")
end
reaper.KO_SetMediaItemStartTimeSeconds(item, 0)
t.code(0, "start 0 accepted")
t.eq(reaper.GetMediaItemInfo_Value(item, "D_POSITION"), 0.0, "moved to 0")

sim.refuse_param("D_POSITION", true)
reaper.KO_SetMediaItemStartTimeSeconds(item, 5)
t.code(14, "refused move in seconds")
reaper.KO_SetMediaItemStartTimeFrame(item, 5)
t.code(14, "refused move in frames")
sim.refuse_param("D_POSITION", false)

-- Length and end.
reaper.SetMediaItemInfo_Value(item, "D_POSITION", 1.5)
reaper.SetMediaItemInfo_Value(item, "D_LENGTH", 2.25)
t.eq(reaper.KO_GetMediaItemLength(item), 2.25, "length")
t.eq(reaper.KO_GetMediaItemEndTime(item), 3.75, "end")
sim.set_frame_rate(0, 24)
t.eq(reaper.KO_GetMediaItemEndTimeFrame(item), 90, "end frame at 24 fps")
t.code(0, "end frame")
t.eq(reaper.KO_GetMediaEndTimeFrame(0, 0), 90, "end frame, media form")
t.eq(reaper.KO_GetMediaItemEndTimeFrame(nil), 0, "end frame of no item")
t.code(11, "end frame of no item")
t.eq(reaper.KO_GetTrackMediaEndTimeFrame(0, 4, 0), 0, "end frame, missing track")
t.code(10, "end frame, missing track")
t.eq(reaper.KO_GetMediaItemEndTimeFrame(item), 90, "end frame again")
t.code(0, "cleared after success")

-- Two project tabs at different rates: the getters use the item's own
-- project, the frame setter the active project.
local other = sim.add_project()
sim.set_frame_rate(other, 25)
sim.activate_project(other)
sim.set_frame_rate(nil, 25)
reaper.SetMediaItemInfo_Value(item, "D_POSITION", 2.0)
t.eq(reaper.KO_GetMediaItemStartTimeFrame(item), 48, "getter at the item's 24 fps")
t.eq(reaper.KO_GetMediaItemEndTimeFrame(item), 102, "end frame at the item's 24 fps")
reaper.KO_SetMediaItemStartTimeFrame(item, 50)
t.eq(reaper.GetMediaItemInfo_Value(item, "D_POSITION"), 2.0, "setter at the active 25 fps")

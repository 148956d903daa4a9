-- Reading the play cursor and placing the edit cursor.
local t = require "testlib"

t.fresh(1)
sim.set_frame_rate(0, 30)
t.item(0, 6.0, "stereo", 4.0)          -- the project ends at 10 s

reaper.SetEditCurPos(3.0, false, false)
t.eq(reaper.KO_GetPlayCursorPosition(0), 3.0, "stopped: the edit cursor")
sim.set_transport(1, 7.25)
t.eq(reaper.KO_GetPlayCursorPosition(0), 7.25, "playing: the play position")
sim.set_transport(0, 0)

local cases = {
  -- function, type, position, edit cursor after, value written
  { "KO_SetPlayCursorPosition", 0, 12.5, 12.5, 12.5 },
  { "KO_SetPlayCursorPosition", 1, -2.0, 8.0, 8.0 },
  { "KO_SetPlayCursorPosition", 2, 1.5, 11.5, 11.5 },
  { "KO_SetPlayCursorPositionFrame", 0, 45, 1.5, 45 },
  { "KO_SetPlayCursorPositionFrame", 1, -30, 9.0, 270 },
  { "KO_SetPlayCursorPositionFrame", 1, 15, 10.5, 315 },
}
for _, case in ipairs(cases) do
  local label = string.format("%s(%d, %g)", case[1], case[2], case[3])
  reaper.SetEditCurPos(0.5, false, false)
  local written = reaper[case[1]](0, case[2], case[3])
  t.eq(written, case[5], label .. " written")
  t.near(reaper.GetCursorPosition(), case[4], label .. " cursor")
  t.code(0, label)
end

-- While playing, the position written is the one heard after the move.
sim.set_transport(1, 2.0)
t.eq(reaper.KO_SetPlayCursorPosition(0, 0, 4.0), 4.0, "moving while playing")

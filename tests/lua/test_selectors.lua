-- Handing items to a script by index among all or selected items, of the
-- project or of a track; failures read back from the companion.
local t = require "testlib"

t.fresh(2)
local a = t.item(0, 0.0, "stereo")
local b = t.item(0, 2.0, "stereo")
local c = t.item(1, 1.0, "stereo")
reaper.SetMediaItemSelected(b, true)
reaper.SetMediaItemSelected(c, true)
reaper.SetTrackSelected(reaper.GetTrack(0, 1), true)

local cases = {
  -- function, arguments, expected item, expected code
  { "KO_GetMediaItemSelect", { 0, 0, 0 }, a, 0 },
  { "KO_GetMediaItemSelect", { 0, 2, 0 }, c, 0 },
  { "KO_GetMediaItemSelect", { 0, 0, 1 }, b, 0 },
  { "KO_GetMediaItemSelect", { 0, 1, 1 }, c, 0 },
  { "KO_GetMediaItemSelect", { 0, 3, 0 }, nil, 11 },   -- index equal to the item count
  { "KO_GetMediaItemSelect", { 0, 2, 1 }, nil, 11 },
  { "KO_GetMediaItemSelect", { 0, -1, 0 }, nil, 11 },
  { "KO_GetMediaItemSelect", { 0, 0, 2 }, nil, 19 },
  { "KO_GetMediaItemSelect", { 0, 0, -1 }, nil, 19 },
  { "KO_GetMediaTrackItemSelect", { 0, 0, 1, 0 }, b, 0 },
  { "KO_GetMediaTrackItemSelect", { 0, 1, 0, 0 }, c, 0 },
  { "KO_GetMediaTrackItemSelect", { 0, 0, 0, 1 }, c, 0 }, -- first selected track is track 1
  { "KO_GetMediaTrackItemSelect", { 0, 5, 0, 0 }, nil, 11 }, -- a missing track reads as a missing item
  { "KO_GetMediaTrackItemSelect", { 0, 1, 0, 1 }, nil, 11 },
  { "KO_GetMediaTrackItemSelect", { 0, 0, 9, 0 }, nil, 11 },
  { "KO_GetMediaTrackItemSelect", { 0, 0, 0, 7 }, nil, 19 },
}
for i, case in ipairs(cases) do
  local label = string.format("case %d %s(%s)", i, case[1], table.concat(case[2], ","))
  local got = reaper[case[1]](table.unpack(case[2]))
  t.eq(got, case[3], label)
  t.code(case[4], label)
end

-- A failure is cleared by the next successful call.
t.eq(reaper.KO_GetMediaItemSelect(0, 0, 5), nil, "bad selector")
t.code(19, "bad selector")
t.eq(reaper.KO_GetMediaItemSelect(0, 0, 0), a, "good call")
t.code(0, "after a failure")

-- The handle is a project item that REAPER's own functions accept.
t.truthy(reaper.ValidatePtr(reaper.KO_GetMediaItemSelect(0, 1, 0), "MediaItem*"), "valid handle")

-- Inserting media files as new items: where they land, what stays selected,
-- how they are named.
local t = require "testlib"

local function selected_items()
  local out = {}
  for i = 0, reaper.CountSelectedMediaItems(0) - 1 do out[#out + 1] = reaper.GetSelectedMediaItem(0, i) end
  return out
end

local function selected_tracks()
  local out = {}
  for i = 0, reaper.CountTracks(0) - 1 do
    if reaper.IsTrackSelected(reaper.GetTrack(0, i)) then out[#out + 1] = i end
  end
  return table.concat(out, " ")
end

local function setup()
  t.fresh(4)
  sim.set_frame_rate(0, 30)
  local a = t.item(0, 0.0, "stereo", 2.0)
  local b = t.item(2, 3.0, "stereo", 3.0)        -- the project ends at 6 s
  reaper.SetMediaItemSelected(a, true)
  reaper.SetMediaItemSelected(b, true)
  reaper.SetTrackSelected(reaper.GetTrack(0, 0), true)
  reaper.SetTrackSelected(reaper.GetTrack(0, 3), true)
  return a, b
end

local path = t.file("short")                      -- 2 s long, named short.wav
local cases = {
  -- call, expected track, expected start
  { "seconds from the start", function() return reaper.KO_InsertMediaTrackIdSecond(0, 1, path, 0, 10.0) end, 1, 10.0 },
  { "seconds from the end", function() return reaper.KO_InsertMediaTrackIdSecond(0, 1, path, 1, 2.0) end, 1, 8.0 },
  { "frames from the start", function() return reaper.KO_InsertMediaTrackIdFrame(0, 1, path, 0, 45) end, 1, 1.5 },
  { "frames from the end", function() return reaper.KO_InsertMediaTrackIdFrame(0, 1, path, 1, -30) end, 1, 5.0 },
  { "track handle", function() return reaper.KO_InsertMediaTrackItemSecond(reaper.GetTrack(0, 2), path, 0, 7) end, 2, 7.0 },
  { "track handle, frames", function() return reaper.KO_InsertMediaTrackItemFrame(reaper.GetTrack(0, 1), path, 0, 60) end, 1, 2.0 },
  { "selected track", function() return reaper.KO_InsertMediaSelectedTrackIdSecond(0, 1, path, 0, 4) end, 3, 4.0 },
  { "selected track, frames", function() return reaper.KO_InsertMediaSelectedTrackIdFrame(0, 0, path, 0, 3) end, 0, 0.1 },
  { "on a selected track", function() return reaper.KO_InsertMediaTrackIdSecond(0, 3, path, 0, 12) end, 3, 12.0 },
}
for _, case in ipairs(cases) do
  local a, b = setup()
  local item = case[2]()
  t.code(0, case[1])
  t.truthy(item, case[1] .. " returns the item")
  t.eq(reaper.GetMediaItem_Track(item), reaper.GetTrack(0, case[3]), case[1] .. " track")
  t.near(reaper.GetMediaItemInfo_Value(item, "D_POSITION"), case[4], case[1] .. " position")
  t.near(reaper.GetMediaItemInfo_Value(item, "D_LENGTH"), 2.0, case[1] .. " length")
  t.eq(reaper.KO_GetMediaItemName(item), "short", case[1] .. " name")
  local _, name = reaper.GetSetMediaItemTakeInfo_String(reaper.GetActiveTake(item), "P_NAME", "", false)
  t.eq(name, "short.wav", case[1] .. " take named after its file")
  local sel = selected_items()
  t.eq(#sel, 3, case[1] .. " three selected")
  for _, want in ipairs({ a, b, item }) do
    t.truthy(reaper.IsMediaItemSelected(want), case[1] .. " keeps the selection")
  end
  t.eq(selected_tracks(), "0 3", case[1] .. " track selection restored")
end

-- Wherever the host's cursor and selected track put it.
setup()
reaper.SetEditCurPos(20, false, false)
reaper.SetOnlyTrackSelected(reaper.GetTrack(0, 2))
local item = reaper.KO_InsertMediaOutItem(0, path)
t.code(0, "out item")
t.eq(reaper.GetMediaItem_Track(item), reaper.GetTrack(0, 2), "on the selected track")
t.eq(reaper.GetMediaItemInfo_Value(item, "D_POSITION"), 20.0, "at the cursor")

-- A path that names no file: nothing inserted, code 11, selections as they were.
for _, bad in ipairs({ sim.tmpdir .. "/missing.wav", sim.tmpdir, "" }) do
  setup()
  local count = reaper.CountMediaItems(0)
  t.eq(reaper.KO_InsertMediaTrackIdSecond(0, 1, bad, 0, 1.0), nil, "nothing for " .. bad)
  t.code(11, "nothing for " .. bad)
  t.eq(reaper.CountMediaItems(0), count, "no item for " .. bad)
  t.eq(#selected_items(), 2, "item selection back for " .. bad)
  t.eq(selected_tracks(), "0 3", "track selection back for " .. bad)
end

-- Tracks that do not exist are refused before anything changes.
setup()
reaper.SetEditCurPos(1.25, false, false)
for _, call in ipairs({
  function() return reaper.KO_InsertMediaTrackIdSecond(0, 9, path, 0, 1.0) end,
  function() return reaper.KO_InsertMediaSelectedTrackIdFrame(0, 5, path, 0, 1) end,
  function() return reaper.KO_InsertMediaTrackItemSecond(nil, path, 0, 1.0) end,
}) do
  t.eq(call(), nil, "missing track")
  t.code(10, "missing track")
end
t.eq(reaper.CountMediaItems(0), 2, "nothing inserted")
t.eq(reaper.GetCursorPosition(), 1.25, "cursor untouched")

-- Source names, with and without extension, through the library's own export.
setup()
item = reaper.KO_InsertMediaTrackIdSecond(0, 1, t.file("three"), 0, 0)
t.eq(reaper.KO_GetMediaItemName(item), "three", "named after its file")

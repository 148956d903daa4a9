-- Deleting, selecting, moving and copying items.
local t = require "testlib"

local function names()
  local out = {}
  for i = 0, reaper.CountMediaItems(0) - 1 do
    local item = reaper.GetMediaItem(0, i)
    out[#out + 1] = string.format("%g", reaper.GetMediaItemInfo_Value(item, "D_POSITION"))
  end
  return table.concat(out, " ")
end

-- Three items on track 0, two on track 1; positions name them.
local function project()
  t.fresh(3)
  for _, pos in ipairs({ 0, 1, 2 }) do t.item(0, pos, "stereo") end
  for _, pos in ipairs({ 10, 11 }) do t.item(1, pos, "stereo") end
end

-- Bulk deletes: exactly the scope, highest index first, one redraw.
local scopes = {
  { "all", function() reaper.KO_DeleteAllMedia(0) end, "", { 1, 0, 2, 1, 0 } },
  { "selected", function() reaper.KO_DeleteAllSelectedMedia(0) end, "0 2 11", { 0, 1 } },
  { "track", function() reaper.KO_DeleteAllTrackMedia(0, 0) end, "10 11", { 2, 1, 0 } },
  { "selected track", function() reaper.KO_DeleteAllSelectedTrackMedia(0, 0) end, "0 1 2", { 1, 0 } },
}
for _, scope in ipairs(scopes) do
  project()
  reaper.SetMediaItemSelected(reaper.GetMediaItem(0, 1), true)
  reaper.SetMediaItemSelected(reaper.GetMediaItem(0, 3), true)
  reaper.SetTrackSelected(reaper.GetTrack(0, 1), true)
  local before = sim.update_count()
  scope[2]()
  t.code(0, scope[1])
  t.eq(names(), scope[3], scope[1] .. " left")
  t.eq(table.concat(sim.delete_log(), " "), table.concat(scope[4], " "), scope[1] .. " order (index in track)")
  t.eq(sim.update_count(), before + 1, scope[1] .. " redraws once")
end

-- Empty scopes return at once; missing tracks report 10 and delete nothing.
project()
local before = sim.update_count()
reaper.KO_DeleteAllSelectedMedia(0)
reaper.KO_DeleteAllTrackMedia(0, 2)
t.code(0, "empty scopes")
t.eq(sim.update_count(), before, "no redraw for empty scopes")
reaper.KO_DeleteAllTrackMedia(0, 7)
t.code(10, "missing track")
reaper.KO_DeleteAllSelectedTrackMedia(0, 0)
t.code(10, "no selected track")
t.eq(names(), "0 1 2 10 11", "nothing deleted")

-- One item.
reaper.KO_DeleteMedia(0, 9)
t.code(11, "index past the end")
t.eq(names(), "0 1 2 10 11", "nothing deleted")
sim.refuse_delete(true)
reaper.KO_DeleteMedia(0, 1)
t.code(16, "refused deletion")
sim.refuse_delete(false)
reaper.KO_DeleteTrackMedia(0, 1, 0)
t.code(0, "deleted")
t.eq(names(), "0 1 2 11", "one deleted")

-- Selection by index, by track and of everything.
project()
reaper.KO_SetMediaSelected(0, 4, true)
t.eq(reaper.IsMediaItemSelected(reaper.GetMediaItem(0, 4)), true, "by index")
reaper.KO_SetMediaSelected(0, 5, true)
t.code(11, "by index past the end")
reaper.KO_SetTrackMediaSelected(0, 0, 2, true)
t.eq(reaper.CountSelectedMediaItems(0), 2, "by track")
reaper.KO_SetTrackMediaSelected(0, 9, 0, true)
t.code(10, "by missing track")
reaper.KO_SetTrackMediaSelected(0, 1, 5, true)
t.code(11, "by track, item past its end")
before = sim.update_count()
reaper.KO_SetAllMediaSelected(0, true)
t.eq(reaper.CountSelectedMediaItems(0), 5, "all selected")
t.eq(sim.update_count(), before + 5, "one redraw per item")
reaper.KO_SetAllMediaSelected(0, false)
t.eq(reaper.CountSelectedMediaItems(0), 0, "all unselected")
t.fresh(1)
before = sim.update_count()
reaper.KO_SetAllMediaSelected(0, true)
t.code(0, "empty project")
t.eq(sim.update_count(), before, "empty project: nothing to redraw")

-- Moving to another track.
project()
local item = reaper.GetMediaItem(0, 0)
reaper.KO_SetMediaMoveToTrack(0, 0, 7)
t.code(10, "move to a missing track")
t.eq(reaper.GetMediaItem_Track(item), reaper.GetTrack(0, 0), "item stays")
sim.refuse_move(true)
reaper.KO_SetMediaItemMoveToTrack(item, 2)
t.code(17, "refused move")
sim.refuse_move(false)
reaper.KO_SetSelectedTrackMediaMoveToTrack(0, 0, 0, 2)
t.code(10, "no selected track")
reaper.KO_SetMediaItemMoveToTrack(item, 2)
t.code(0, "moved")
t.eq(reaper.GetMediaItem_Track(item), reaper.GetTrack(0, 2), "on track 2")

-- The destination counts tracks of the item's own project.
local first = sim.active_project()
sim.activate_project(sim.add_project())
reaper.InsertTrackAtIndex(0, true)
reaper.KO_SetMediaItemMoveToTrack(item, 1)
t.code(0, "move within its own project while another is active")
t.eq(reaper.GetMediaItem_Track(item), reaper.GetTrack(first, 1), "on track 1 of its own project")

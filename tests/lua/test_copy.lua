-- Copying an item's active take onto a new item.
local t = require "testlib"

local item_params = { "D_LENGTH", "D_FADEINLEN", "D_FADEOUTLEN", "C_FADEINSHAPE", "C_FADEOUTSHAPE", "B_MUTE",
                      "B_MUTE_ACTUAL", "B_LOOPSRC", "C_LOCK", "D_VOL" }
local take_params = { "D_STARTOFFS", "D_PAN", "D_PLAYRATE", "D_PITCH", "B_PPITCH", "I_CHANMODE", "I_PITCHMODE" }

local function describe_item(item)
  local out = {}
  for _, p in ipairs(item_params) do out[#out + 1] = p .. "=" .. reaper.GetMediaItemInfo_Value(item, p) end
  out[#out + 1] = "takes=" .. reaper.CountTakes(item)
  for i = 0, reaper.CountTakes(item) - 1 do
    local take = reaper.GetTake(item, i)
    for _, p in ipairs(take_params) do out[#out + 1] = p .. "=" .. reaper.GetMediaItemTakeInfo_Value(take, p) end
    local _, name = reaper.GetSetMediaItemTakeInfo_String(take, "P_NAME", "", false)
    out[#out + 1] = "name=" .. name
    out[#out + 1] = "file=" .. reaper.GetMediaSourceFileName(reaper.GetMediaItemTake_Source(take))
  end
  return table.concat(out, " ")
end

t.fresh(3)

-- An item without takes: item values copied, position from the caller, no take.
local bare = t.item(0, 1.0, nil, 2.5)
local values = { D_FADEINLEN = 0.3, D_FADEOUTLEN = 0.4, C_FADEINSHAPE = 2, C_FADEOUTSHAPE = 3, B_MUTE = 1,
                 B_LOOPSRC = 1, C_LOCK = 1, D_VOL = 0.25 }
for p, v in pairs(values) do reaper.SetMediaItemInfo_Value(bare, p, v) end
local bare_before = describe_item(bare)
reaper.KO_SetMediaItemActiveTakeCopy(bare, 2, 7.0)
t.code(0, "copy without takes")
local copy = reaper.GetTrackMediaItem(reaper.GetTrack(0, 2), 0)
t.eq(reaper.GetMediaItemInfo_Value(copy, "D_POSITION"), 7.0, "copy position")
t.eq(describe_item(copy), bare_before, "copy of an item without takes")
t.eq(describe_item(bare), bare_before, "original unchanged")

-- Three takes, the second active: one take, carrying the second's values and
-- a source of its own.
local item = t.item(1, 0.0, "stereo", 1.0)
for _, kind in ipairs({ "mono", "flac" }) do
  local take = reaper.AddTakeToMediaItem(item)
  reaper.SetMediaItemTake_Source(take, reaper.PCM_Source_CreateFromFile(t.file(kind)))
  reaper.GetSetMediaItemTakeInfo_String(take, "P_NAME", kind .. " take", true)
end
local second = reaper.GetTake(item, 1)
reaper.SetActiveTake(second)
local take_values = { D_STARTOFFS = 0.125, D_PAN = -0.5, D_PLAYRATE = 1.5, D_PITCH = 3, B_PPITCH = 1,
                      I_CHANMODE = 3, I_PITCHMODE = 2 }
for p, v in pairs(take_values) do reaper.SetMediaItemTakeInfo_Value(second, p, v) end
reaper.SetMediaItemTakeInfo_Value(second, "D_VOL", 0.5)   -- a take's own volume is not copied
local original = describe_item(item)
local sources = sim.live_sources()
local updates = sim.update_count()

reaper.KO_SetTrackMediaActiveTakeCopy(0, 1, 0, 2, 3.0)
t.code(0, "copy of the active take")
t.eq(sim.update_count(), updates + 1, "one redraw")
t.eq(describe_item(item), original, "original unchanged")
t.eq(sim.live_sources(), sources + 1, "one new source, owned by the copy")
copy = reaper.GetTrackMediaItem(reaper.GetTrack(0, 2), 0)   -- position 3 sorts before 7
t.eq(reaper.CountTakes(copy), 1, "one take")
local new_take = reaper.GetActiveTake(copy)
for p, v in pairs(take_values) do t.eq(reaper.GetMediaItemTakeInfo_Value(new_take, p), v, p) end
t.eq(reaper.GetMediaItemTakeInfo_Value(new_take, "D_VOL"), 1.0, "take volume not copied")
local _, name = reaper.GetSetMediaItemTakeInfo_String(new_take, "P_NAME", "", false)
t.eq(name, "mono take", "name of the active take")
local new_source = reaper.GetMediaItemTake_Source(new_take)
t.truthy(new_source ~= reaper.GetMediaItemTake_Source(second), "a duplicate, not the same source")
t.eq(reaper.GetMediaSourceFileName(new_source), t.file("mono"), "duplicate of the active take's source")
t.eq(reaper.GetMediaItemInfo_Value(copy, "D_POSITION"), 3.0, "position")

-- Failures create nothing.
local count = reaper.CountMediaItems(0)
reaper.KO_SetMediaItemActiveTakeCopy(item, 9, 0)
t.code(10, "missing destination track")
reaper.KO_SetMediaActiveTakeCopy(0, 99, 0, 0)
t.code(11, "missing item")
reaper.KO_SetSelectedTrackMediaActiveTakeCopy(0, 0, 0, 0, 0)
t.code(10, "no selected track")
t.eq(reaper.CountMediaItems(0), count, "nothing half-built")

-- Deleting the copy frees its source and leaves the original's.
reaper.KO_DeleteMediaItem(copy)
t.eq(sim.live_sources(), sources, "copy's source freed with it")
t.eq(describe_item(item), original, "original still unchanged")

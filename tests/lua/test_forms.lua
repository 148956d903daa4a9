-- Every addressing form of every family, found from the registered
-- definitions: an index that names nothing reports its code, changes
-- nothing, and the next good call clears the code.
local t = require "testlib"

local function split(s)
  local out = {}
  for piece in string.gmatch(s, "[^,]+") do out[#out + 1] = (piece:gsub("^%s+", ""):gsub("%s+$", "")) end
  return out
end

-- Functions with their own shapes, tested in their own scripts.
local own_shape = {
  KO_SetMediaSelected = true, KO_SetTrackMediaSelected = true, KO_SetAllMediaSelected = true,
}

local forms = { media = {}, selected = {}, track = {}, selected_track = {} }
local names = {}
for name in pairs(reaper) do
  if name:sub(1, 3) == "KO_" then names[#names + 1] = name end
end
table.sort(names)
for _, name in ipairs(names) do
  local ret, types, params = sim.definition(name)
  local p = split(params)
  local ty = split(types)
  local kind
  if own_shape[name] or name:find("TypeCount") or name:find("Insert") or name:find("List") or name:find("DeleteAll")
      or name:find("ItemSelect$") then
    kind = nil
  elseif name:find("SelectedTrackMedia") and p[3] == "trackItemID" then
    kind = "selected_track"
  elseif name:find("TrackMedia") and p[3] == "trackItemID" then
    kind = "track"
  elseif name:find("SelectedMedia") and ty[1] == "ReaProject*" then
    kind = "selected"
  elseif name:find("^KO_%u%l+Media%u") and ty[1] == "ReaProject*" and (p[2] == "itemID") then
    kind = "media"
  elseif name:find("^KO_DeleteMedia$") then
    kind = "media"
  end
  if kind then
    local fixed = (kind == "track" or kind == "selected_track") and 3 or 2
    forms[kind][#forms[kind] + 1] = { name = name, ret = ret, types = ty, params = p, fixed = fixed }
  end
end
t.eq(#forms.media, 29, "media forms")
t.eq(#forms.selected, 29, "selected media forms")
t.eq(#forms.track, 29, "track media forms")
t.eq(#forms.selected_track, 29, "selected track media forms")

-- Arguments after the addressing ones: neutral values of their types.
local function call(f, lead)
  local args = { table.unpack(lead) }
  for i = f.fixed + 1, #f.types do
    local ty, pname = f.types[i], f.params[i]
    if pname:sub(-3) == "Out" or pname:sub(-6) == "Out_sz" then
      -- filled by the runner
    elseif ty == "int" then args[#args + 1] = 0
    elseif ty == "double" then args[#args + 1] = 1.5
    elseif ty == "bool" then args[#args + 1] = true
    elseif ty == "const char*" then args[#args + 1] = "x"
    else error(f.name .. ": unexpected parameter type " .. ty) end
  end
  return reaper[f.name](table.unpack(args))
end

local function snapshot()
  local item = reaper.GetMediaItem(0, 0)
  local take = reaper.GetActiveTake(item)
  local _, name = reaper.GetSetMediaItemTakeInfo_String(take, "P_NAME", "", false)
  return table.concat({
    reaper.CountMediaItems(0), reaper.CountTracks(0),
    reaper.GetMediaItemInfo_Value(item, "D_POSITION"), reaper.GetMediaItemInfo_Value(item, "D_LENGTH"),
    reaper.GetMediaItemInfo_Value(item, "D_VOL"), reaper.GetMediaItemInfo_Value(item, "B_MUTE"),
    reaper.GetMediaItemInfo_Value(item, "D_FADEINLEN"), reaper.GetMediaItemTakeInfo_Value(take, "D_PITCH"),
    reaper.GetMediaItemTakeInfo_Value(take, "D_PLAYRATE"), reaper.GetMediaItemTakeInfo_Value(take, "I_CHANMODE"),
    name, tostring(reaper.GetMediaItem_Track(item)),
  }, "|")
end

t.fresh(2)
t.item(0, 1.0, "stereo", 2.0)
local original = snapshot()

local function expect_failure(f, lead, code, label)
  reaper.KO_GetMediaItemSelect(0, 0, 9)   -- leave some other code behind
  local first = call(f, lead)
  t.code(code, f.name .. " " .. label)
  if f.ret == "int" then t.eq(first, 0, f.name .. " neutral int") end
  if f.ret == "bool" then t.eq(first, false, f.name .. " neutral bool") end
  t.eq(snapshot(), original, f.name .. " " .. label .. " leaves the project alone")
end

for _, f in ipairs(forms.media) do
  expect_failure(f, { 0, 5 }, 11, "item past the end")
  expect_failure(f, { 0, -1 }, 11, "negative item")
end
for _, f in ipairs(forms.selected) do expect_failure(f, { 0, 0 }, 11, "nothing selected") end
for _, f in ipairs(forms.track) do
  expect_failure(f, { 0, 9, 0 }, 10, "track past the end")
  expect_failure(f, { 0, 0, 3 }, 11, "item past the track's end")
  expect_failure(f, { 0, 1, 0 }, 11, "empty track")
end
for _, f in ipairs(forms.selected_track) do expect_failure(f, { 0, 0, 0 }, 10, "no selected track") end
reaper.SetTrackSelected(reaper.GetTrack(0, 0), true)
for _, f in ipairs(forms.selected_track) do expect_failure(f, { 0, 0, 1 }, 11, "item past the track's end") end

-- The getters succeed through every form once the index names the item, and
-- clear the code left by a failure.
reaper.SetMediaItemSelected(reaper.GetMediaItem(0, 0), true)
local leads = { media = { 0, 0 }, selected = { 0, 0 }, track = { 0, 0, 0 }, selected_track = { 0, 0, 0 } }
for kind, list in pairs(forms) do
  for _, f in ipairs(list) do
    if f.name:find("^KO_Get") then
      reaper.KO_GetMediaItemSelect(0, 0, 9)
      call(f, leads[kind])
      t.code(0, f.name .. " succeeds")
    end
  end
end
t.eq(snapshot(), original, "getters change nothing")

-- Helpers shared by the Lua tests: checks that stop the script with a clear
-- message, and small builders for projects made of generated audio files.
local t = {}

local function describe(v)
  if type(v) == "string" then return string.format("%q", v) end
  return tostring(v)
end

function t.eq(actual, expected, label)
  if actual ~= expected then
    error(string.format("%s: expected %s, got %s", label or "value", describe(expected), describe(actual)), 2)
  end
end

function t.near(actual, expected, label, eps)
  eps = eps or 1e-9
  if type(actual) ~= "number" or math.abs(actual - expected) > eps then
    error(string.format("%s: expected %s (within %g), got %s", label or "value", describe(expected), eps,
      describe(actual)), 2)
  end
end

function t.truthy(v, label)
  if not v then error((label or "condition") .. " does not hold", 2) end
end

-- The error code the companion extension holds now.
function t.code(expected, label)
  local code = sim.error_code()
  if code ~= expected then
    error(string.format("%s: error code %d, expected %d", label or "call", code, expected), 2)
  end
end

-- A fresh active project with `tracks` empty tracks.
function t.fresh(tracks)
  sim.reset()
  for i = 0, (tracks or 1) - 1 do reaper.InsertTrackAtIndex(i, true) end
end

local files = {}
-- A generated tone file, made once per run: kind "stereo", "mono", "mp3",
-- "flac", "long" (4 s stereo).
function t.file(kind)
  kind = kind or "stereo"
  if files[kind] then return files[kind] end
  local kinds = {
    stereo = { "stereo.wav", "wav", 44100, 2, 1.0 },
    mono = { "mono.wav", "wav", 48000, 1, 1.0 },
    mp3 = { "tone.mp3", "mp3", 44100, 2, 1.0 },
    flac = { "tone.flac", "flac", 44100, 2, 1.0 },
    long = { "long.wav", "wav24", 44100, 2, 4.0 },
    short = { "short.wav", "wav", 44100, 2, 2.0 },
    three = { "three.wav", "wav", 44100, 2, 3.0 },
  }
  local s = assert(kinds[kind], "no such file kind " .. kind)
  local path = sim.tmpdir .. "/" .. s[1]
  assert(sim.write_tone(path, s[2], s[3], s[4], s[5], 440, 0.5), "cannot write " .. path)
  files[kind] = path
  return path
end

-- An item on track `track_index` of the active project, at `pos` seconds,
-- playing `kind` (nil for an item without takes).
function t.item(track_index, pos, kind, len)
  local track = assert(reaper.GetTrack(0, track_index), "no track " .. track_index)
  local item = reaper.AddMediaItemToTrack(track)
  reaper.SetMediaItemInfo_Value(item, "D_POSITION", pos or 0)
  reaper.SetMediaItemInfo_Value(item, "D_LENGTH", len or 1)
  if kind then
    local take = reaper.AddTakeToMediaItem(item)
    local source = assert(reaper.PCM_Source_CreateFromFile(t.file(kind)))
    reaper.SetMediaItemTake_Source(take, source)
    reaper.GetSetMediaItemTakeInfo_String(take, "P_NAME", kind .. ".wav", true)
  end
  return item
end

return t

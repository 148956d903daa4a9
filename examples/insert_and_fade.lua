-- Inserts a file on the second track 2 s after the project end, fades it in
-- and out, and lowers it by 3 dB. Every KO_ function clears the error code
-- and leaves one behind when it fails; this script reads it from the test
-- host's companion when run there.
local function error_code()
  return sim and sim.error_code() or 0
end

local path
if sim then
  reaper.InsertTrackAtIndex(0, true)
  reaper.InsertTrackAtIndex(1, true)
  path = sim.tmpdir .. "/Pad.wav"
  sim.write_tone(path, "wav", 48000, 2, 4.0, 110, 0.5)
  local first = reaper.KO_InsertMediaTrackIdSecond(0, 0, path, 0, 0.0)
  assert(first, "first insertion failed with code " .. error_code())
else
  local ok
  ok, path = reaper.GetUserFileNameForRead("", "Media file to insert", "")
  if not ok then return end
end

local item = reaper.KO_InsertMediaTrackIdSecond(0, 1, path, 1, 2.0)
if not item then
  print("nothing inserted, error code " .. error_code())
  return
end
reaper.KO_SetMediaItemFade(item, 1, 0.5, 1, 1.0)
reaper.KO_SetMediaItemAddVolume(item, -3)

local start = reaper.KO_GetMediaItemStartTimeSeconds(item)
local inType, inLen, outType, outLen = reaper.KO_GetMediaItemFade(item)
print(string.format("%s at %.2f s, fades %.2f/%.2f s, %.2f dB", reaper.KO_GetMediaItemName(item), start, inLen,
  outLen, reaper.KO_GetMediaItemVolume(item)))

-- A track that does not exist: nothing happens, code 10.
reaper.KO_InsertMediaTrackIdSecond(0, 9, path, 0, 0.0)
print("inserting on track 10 leaves error code " .. error_code())

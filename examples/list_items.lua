-- Lists the items of a small project with KORVANE_ORCHID's functions.
-- Runs inside REAPER as it is; on the test host the project is built first.
if sim then
  reaper.InsertTrackAtIndex(0, true)
  local track = reaper.GetTrack(0, 0)
  local path = sim.tmpdir .. "/Guitar.wav"
  sim.write_tone(path, "wav", 44100, 2, 2.5, 220, 0.25)
  for i = 0, 2 do
    local item = reaper.AddMediaItemToTrack(track)
    reaper.SetMediaItemInfo_Value(item, "D_POSITION", i * 3.0)
    reaper.SetMediaItemInfo_Value(item, "D_LENGTH", 2.5)
    local take = reaper.AddTakeToMediaItem(item)
    reaper.SetMediaItemTake_Source(take, reaper.PCM_Source_CreateFromFile(path))
    reaper.GetSetMediaItemTakeInfo_String(take, "P_NAME", "Guitar.wav", true)
  end
end

for i = 0, reaper.CountMediaItems(0) - 1 do
  local name = reaper.KO_GetMediaName(0, i)
  local start = reaper.KO_GetMediaStartTimeSeconds(0, i)
  local frame = reaper.KO_GetMediaStartTimeFrame(0, i)
  local volume = reaper.KO_GetMediaVolume(0, i)
  local rate = reaper.KO_GetMediaSampleRate(0, i)
  print(string.format("item %d: %-8s start %5.2f s (frame %3d)  %6.2f dB  %d Hz", i, name, start, frame, volume, rate))
end

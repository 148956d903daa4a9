-- Fades, volume in decibels, pitch and playback rate.
local t = require "testlib"

t.fresh(1)
local item = t.item(0, 0, "stereo", 4.0)
local empty = t.item(0, 5, nil)
local take = reaper.GetActiveTake(item)

-- Fades: lengths read rounded to 2 decimals (halves away from zero), shapes as written.
reaper.SetMediaItemInfo_Value(item, "D_FADEINLEN", 1.234)
reaper.SetMediaItemInfo_Value(item, "D_FADEOUTLEN", 0.125)
local inType, inLen, outType, outLen = reaper.KO_GetMediaItemFade(item)
t.eq(inLen, 1.23, "fade-in length")
t.eq(outLen, 0.13, "fade-out length")
local before = sim.update_count()
reaper.KO_SetMediaFade(0, 0, 2, 0.5, 5, 0.25)
inType, inLen, outType, outLen = reaper.KO_GetMediaItemFade(item)
t.eq(inType, 2, "fade-in shape")
t.eq(outType, 5, "fade-out shape")
t.eq(inLen, 0.5, "fade-in written")
t.eq(outLen, 0.25, "fade-out written")
t.eq(sim.update_count(), before + 1, "fade redraw")

-- Volume.
for _, case in ipairs({ { 1.0, 0.0 }, { 0.5, -6.02 }, { 2.0, 6.02 } }) do
  reaper.SetMediaItemInfo_Value(item, "D_VOL", case[1])
  t.eq(reaper.KO_GetMediaItemVolume(item), case[2], "volume at factor " .. case[1])
end
reaper.SetMediaItemInfo_Value(item, "D_VOL", 0)
t.eq(reaper.KO_GetMediaItemVolume(item), -math.huge, "silence")
t.code(0, "silence is no failure")

reaper.KO_SetMediaItemVolume(item, -6)
t.eq(reaper.GetMediaItemInfo_Value(item, "D_VOL"), 0.5011872355810072, "-6 dB stored")
t.eq(reaper.KO_GetMediaItemVolume(item), -6.0, "-6 dB read")
reaper.KO_SetMediaItemVolume(item, 0)
reaper.KO_SetMediaItemAddVolume(item, 6)
t.eq(reaper.GetMediaItemInfo_Value(item, "D_VOL"), 1.9952623071909206, "+6 dB")
reaper.KO_SetMediaAddVolume(0, 0, -6)
t.eq(reaper.GetMediaItemInfo_Value(item, "D_VOL"), 0.9999999961017864, "+6 then -6 dB")

sim.refuse_param("D_VOL", true)
before = sim.update_count()
reaper.KO_SetMediaItemVolume(item, -3)
t.code(14, "refused volume")
reaper.KO_SetMediaItemAddVolume(item, -3)
t.code(14, "refused added volume")
t.eq(sim.update_count(), before, "no redraw after refused volume")
sim.refuse_param("D_VOL", false)

-- Pitch.
reaper.KO_SetMediaItemPitch(item, 2.5)
t.eq(reaper.KO_GetMediaItemPitch(item), 2.5, "pitch")
reaper.KO_SetSelectedTrackMediaAddPitch(0, 0, 0, 1)
t.code(10, "no selected track")
reaper.KO_SetTrackMediaAddPitch(0, 0, 0, -3.25)
t.eq(reaper.GetMediaItemTakeInfo_Value(take, "D_PITCH"), -0.75, "added pitch")
sim.refuse_param("D_PITCH", true)
reaper.KO_SetMediaItemPitch(item, 1)
t.code(14, "refused pitch")
reaper.KO_SetMediaItemAddPitch(item, 1)
t.code(14, "refused added pitch")
sim.refuse_param("D_PITCH", false)

-- Rate: length and fades follow; the same rate again changes nothing.
reaper.SetMediaItemInfo_Value(item, "D_FADEINLEN", 1.0)
reaper.SetMediaItemInfo_Value(item, "D_FADEOUTLEN", 0.5)
for _ = 1, 2 do
  reaper.KO_SetMediaItemRate(item, 2.0)
  t.code(0, "rate 2")
  t.eq(reaper.KO_GetMediaItemRate(item), 2.0, "rate")
  t.eq(reaper.GetMediaItemInfo_Value(item, "D_LENGTH"), 2.0, "length at rate 2")
  t.eq(reaper.GetMediaItemInfo_Value(item, "D_FADEINLEN"), 0.5, "fade-in at rate 2")
  t.eq(reaper.GetMediaItemInfo_Value(item, "D_FADEOUTLEN"), 0.25, "fade-out at rate 2")
end

-- Rates that would leave the item without a length are refused, nothing written.
for _, rate in ipairs({ 0, -1, 0 / 0, math.huge }) do
  reaper.KO_SetMediaItemRate(item, rate)
  t.code(14, "rate " .. tostring(rate))
  t.eq(reaper.KO_GetMediaItemRate(item), 2.0, "rate kept")
  t.eq(reaper.GetMediaItemInfo_Value(item, "D_LENGTH"), 2.0, "length kept")
end
reaper.SetMediaItemTakeInfo_Value(take, "D_PLAYRATE", 0)
reaper.KO_SetMediaItemRate(item, 1.0)
t.code(14, "current rate 0")
t.eq(reaper.GetMediaItemInfo_Value(item, "D_LENGTH"), 2.0, "length kept at current rate 0")

-- Pitch and rate need a take.
for _, call in ipairs({
  function() return reaper.KO_GetMediaItemPitch(empty) end,
  function() return reaper.KO_SetMediaItemPitch(empty, 1) end,
  function() return reaper.KO_SetMediaItemAddPitch(empty, 1) end,
  function() return reaper.KO_GetMediaItemRate(empty) end,
  function() return reaper.KO_SetMediaItemRate(empty, 2) end,
}) do
  call()
  t.code(12, "no take")
end
t.eq(reaper.GetMediaItemInfo_Value(empty, "D_LENGTH"), 1.0, "untouched without take")

-- Without the companion extension, operations behave exactly the same and
-- the error code reads 0 whatever happens.
local t = require "testlib"
t.truthy(not sim.companion, "run without the companion")
t.fresh(1)
local item = t.item(0, 1.0, "stereo")
t.eq(reaper.KO_GetMediaItemSelect(0, 0, 7), nil, "bad selector")
t.eq(reaper.KO_GetMediaBitRate(0, 5), 0, "missing item")
t.eq(reaper.KO_GetMediaItemBitRate(item), 16, "good item")
reaper.KO_SetMediaItemVolume(item, -6)
t.eq(reaper.KO_GetMediaItemVolume(item), -6.0, "volume")
t.code(0, "no companion")

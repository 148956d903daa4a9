"""Python ReaScript's view: native functions called through ctypes with the
types of their definitions, against the test host."""
import ctypes
import os
import shutil
import tempfile
import unittest

SIM = ctypes.CDLL(os.environ["KO_SIM"], mode=ctypes.RTLD_GLOBAL)
P = ctypes.c_void_p


def host(name, restype, *argtypes):
    address = SIM.sim_get_func(name.encode())
    if not address:
        raise LookupError(name)
    return ctypes.CFUNCTYPE(restype, *argtypes)(address)


SIM.sim_get_func.restype = P
SIM.sim_get_func.argtypes = [ctypes.c_char_p]
SIM.sim_plugin_info.restype = P
SIM.sim_registered.restype = P
SIM.sim_registered.argtypes = [ctypes.c_char_p]
SIM.sim_write_tone.argtypes = [ctypes.c_char_p, ctypes.c_char_p, ctypes.c_int, ctypes.c_int, ctypes.c_double,
                               ctypes.c_double, ctypes.c_double]
SIM.sim_project_close.argtypes = [P]
SIM.sim_set_frame_rate.argtypes = [P, ctypes.c_double]
SIM.sim_register_log_key.restype = ctypes.c_char_p

InsertTrackAtIndex = host("InsertTrackAtIndex", None, ctypes.c_int, ctypes.c_bool)
GetTrack = host("GetTrack", P, P, ctypes.c_int)
AddMediaItemToTrack = host("AddMediaItemToTrack", P, P)
AddTakeToMediaItem = host("AddTakeToMediaItem", P, P)
CreateSource = host("PCM_Source_CreateFromFile", P, ctypes.c_char_p)
SetSource = host("SetMediaItemTake_Source", ctypes.c_bool, P, P)
SetItemValue = host("SetMediaItemInfo_Value", ctypes.c_bool, P, ctypes.c_char_p, ctypes.c_double)


class NativeCalls(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.home = tempfile.mkdtemp()
        plugins = os.path.join(cls.home, "Library/Application Support/REAPER/UserPlugins")
        os.makedirs(plugins)
        shutil.copy(os.environ["KO_COMPANION"], os.path.join(plugins, "reaper_TIDEWELL.dylib"))
        os.environ["HOME"] = cls.home
        cls.ext = ctypes.CDLL(os.environ["KO_EXTENSION_7"])
        cls.companion = ctypes.CDLL(os.path.join(plugins, "reaper_TIDEWELL.dylib"))
        SIM.sim_reset(1)
        cls.ext.ReaperPluginEntry.argtypes = [P, P]
        assert cls.ext.ReaperPluginEntry(None, SIM.sim_plugin_info()) == 1
        cls.wav = os.path.join(cls.home, "tone.wav").encode()
        assert SIM.sim_write_tone(cls.wav, b"wav", 48000, 2, 1.0, 440.0, 0.5)

    @classmethod
    def tearDownClass(cls):
        cls.ext.ReaperPluginEntry(None, None)
        shutil.rmtree(cls.home)

    def native(self, name, restype, *argtypes):
        address = SIM.sim_registered(("API_" + name).encode())
        self.assertTrue(address, name)
        return ctypes.CFUNCTYPE(restype, *argtypes)(address)

    def setUp(self):
        SIM.sim_reset(0)
        InsertTrackAtIndex(0, True)
        self.item = AddMediaItemToTrack(GetTrack(None, 0))
        SetItemValue(self.item, b"D_LENGTH", 1.0)
        take = AddTakeToMediaItem(self.item)
        SetSource(take, CreateSource(self.wav))

    def code(self):
        return self.companion.GetErrorCode()

    def test_value_getters_return_their_value(self):
        rate = self.native("KO_GetMediaItemSampleRate", ctypes.c_int, P)
        self.assertEqual(rate(self.item), 48000)
        self.assertEqual(rate(None), 0)
        self.assertEqual(self.code(), 11)
        mute = self.native("KO_GetMediaMute", ctypes.c_bool, P, ctypes.c_int)
        SetItemValue(self.item, b"B_MUTE", 1.0)
        self.assertTrue(mute(None, 0))
        self.assertEqual(self.code(), 0)

    def test_out_parameters_and_handles(self):
        select = self.native("KO_GetMediaItemSelect", P, P, ctypes.c_int, ctypes.c_int)
        self.assertEqual(select(None, 0, 0), self.item)
        self.assertIsNone(select(None, 0, 3))
        self.assertEqual(self.code(), 19)
        volume = self.native("KO_GetMediaVolume", ctypes.c_bool, P, ctypes.c_int, ctypes.POINTER(ctypes.c_double))
        out = ctypes.c_double(99.0)
        self.assertTrue(volume(None, 0, ctypes.byref(out)))
        self.assertEqual(out.value, 0.0)
        self.assertFalse(volume(None, 7, ctypes.byref(out)))
        self.assertEqual(self.code(), 11)
        name = self.native("KO_GetMediaItemName", ctypes.c_bool, P, ctypes.c_char_p, ctypes.c_int)
        self.native("KO_SetMediaItemName", ctypes.c_bool, P, ctypes.c_char_p)(self.item, "Piano.wav".encode())
        buf = ctypes.create_string_buffer(32)
        self.assertTrue(name(self.item, buf, 32))
        self.assertEqual(buf.value, b"Piano")

    def test_array_rows_do_nothing(self):
        listed = self.native("KO_GetMediaItemList", P, P, ctypes.c_int)
        self.assertIsNone(listed(None, 0))

    def test_bad_input_to_the_test_host(self):
        self.assertEqual(SIM.sim_project_close(P(0x1234)), 0)
        self.assertEqual(SIM.sim_set_frame_rate(P(0x1234), 30.0), 0)
        self.assertIsNone(SIM.sim_register_log_key(-5))
        self.assertEqual(SIM.sim_write_tone(b"/no/such/dir/x.wav", b"wav", 44100, 2, 1.0, 440.0, 0.5), 0)
        self.assertIsNone(GetTrack(None, 99))
        self.assertIsNone(CreateSource(b"/no/such/file.wav"))


if __name__ == "__main__":
    unittest.main()

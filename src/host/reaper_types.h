// REAPER's handle types and plug-in record, as the extension interface
// publishes them. The handles are opaque: nothing here looks inside them.
#pragma once

class ReaProject;
class MediaTrack;
class MediaItem;
class MediaItem_Take;

// REAPER's media source class. Only the virtual methods up to the last one
// this extension calls are declared; their order is REAPER's slot order, so a
// source object created by REAPER is called through the right slots.
class PCM_source {
public:
    virtual ~PCM_source() {}
    virtual PCM_source* Duplicate() = 0;
    virtual bool IsAvailable() = 0;
    virtual void SetAvailable(bool avail) { (void)avail; }
    virtual const char* GetType() = 0;
    virtual const char* GetFileName() { return nullptr; }
    virtual bool SetFileName(const char* newfn) = 0;
    virtual PCM_source* GetSource() { return nullptr; }
    virtual void SetSource(PCM_source* src) { (void)src; }
    virtual int GetNumChannels() = 0;
    virtual double GetSampleRate() = 0;
    virtual double GetLength() = 0;
    virtual double GetLengthBeats() { return -1.0; }
    virtual int GetBitsPerSample() { return 0; }
};

// The record REAPER hands to ReaperPluginEntry (null at unload).
struct reaper_plugin_info_t {
    int caller_version;
    void* hwnd_main;
    int (*Register)(const char* name, void* infostruct);
    void* (*GetFunc)(const char* name);
};

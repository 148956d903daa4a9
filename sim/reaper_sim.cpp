// The test host: a small in-memory model of REAPER. Project tabs hold tracks,
// tracks hold items ordered by position, items hold takes, takes play sources
// decoded from real audio files. The model's rules (ordering, selection,
// validity) live here once, so every test sees the same truth.
//
// Lookups that REAPER answers in constant time stay constant here: the
// project-wide item order and the selection are cached and rebuilt only after
// a change, and handle validity is a hash lookup.
#include "sim/reaper_sim.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "host/vararg.h"

namespace ko_sim {
namespace {

// ---------------------------------------------------------------- sources

struct Audio {
    std::string path;
    std::string type;
    int rate = 0;
    int channels = 0;
    int bits = 0;
    long long frames = 0;
    std::vector<float> samples;  // interleaved
};

int g_live_sources = 0;

std::string last_component(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

class Source final : public PCM_source {
public:
    explicit Source(std::shared_ptr<const Audio> audio) : audio_(std::move(audio)) { ++g_live_sources; }
    ~Source() override { --g_live_sources; }
    Source(const Source&) = delete;
    Source& operator=(const Source&) = delete;

    PCM_source* Duplicate() override { return new Source(audio_); }
    bool IsAvailable() override { return true; }
    const char* GetType() override { return audio_->type.c_str(); }
    const char* GetFileName() override { return audio_->path.c_str(); }
    bool SetFileName(const char*) override { return false; }
    int GetNumChannels() override { return audio_->channels; }
    double GetSampleRate() override { return audio_->rate; }
    double GetLength() override { return audio_->rate > 0 ? double(audio_->frames) / audio_->rate : 0.0; }
    int GetBitsPerSample() override { return audio_->bits; }

    const Audio& audio() const { return *audio_; }

private:
    std::shared_ptr<const Audio> audio_;
};

std::string type_of(int format) {
    switch (format & SF_FORMAT_TYPEMASK) {
        case SF_FORMAT_WAV:
        case SF_FORMAT_WAVEX:
        case SF_FORMAT_RF64:
            return "WAVE";
        case SF_FORMAT_AIFF:
            return "AIFF";
        case SF_FORMAT_FLAC:
            return "FLAC";
        case SF_FORMAT_OGG:
            return (format & SF_FORMAT_SUBMASK) == SF_FORMAT_OPUS ? "OPUS" : "VORBIS";
        case SF_FORMAT_MPEG:
            return "MP3";
        default:
            return "UNKNOWN";
    }
}

int bits_of(int format) {
    switch (format & SF_FORMAT_SUBMASK) {
        case SF_FORMAT_PCM_S8:
        case SF_FORMAT_PCM_U8:
            return 8;
        case SF_FORMAT_PCM_16:
            return 16;
        case SF_FORMAT_PCM_24:
            return 24;
        case SF_FORMAT_PCM_32:
        case SF_FORMAT_FLOAT:
            return 32;
        case SF_FORMAT_DOUBLE:
            return 64;
        default:
            return 0;
    }
}

// Decoded files, shared by every source of the same path.
std::map<std::string, std::weak_ptr<const Audio>> g_audio_cache;

std::shared_ptr<const Audio> load_audio(const char* path) {
    if (path == nullptr || *path == '\0') return nullptr;
    auto cached = g_audio_cache.find(path);
    if (cached != g_audio_cache.end()) {
        if (auto alive = cached->second.lock()) return alive;
    }
    SF_INFO info{};
    SNDFILE* file = sf_open(path, SFM_READ, &info);
    if (file == nullptr) return nullptr;
    auto audio = std::make_shared<Audio>();
    audio->path = path;
    audio->type = type_of(info.format);
    audio->rate = info.samplerate;
    audio->channels = info.channels;
    audio->bits = bits_of(info.format);
    if (info.frames > 0 && info.channels > 0) {
        audio->samples.resize(static_cast<size_t>(info.frames) * info.channels);
        audio->frames = sf_readf_float(file, audio->samples.data(), info.frames);
        audio->samples.resize(static_cast<size_t>(audio->frames) * info.channels);
    }
    sf_close(file);
    if (audio->rate <= 0 || audio->channels <= 0) return nullptr;
    g_audio_cache[path] = audio;
    return audio;
}

// ---------------------------------------------------------------- model

struct Project;
struct Track;
struct Item;

enum ItemParam {
    I_POSITION,
    I_LENGTH,
    I_FADEINLEN,
    I_FADEOUTLEN,
    I_FADEINSHAPE,
    I_FADEOUTSHAPE,
    I_VOL,
    I_MUTE,
    I_MUTE_ACTUAL,
    I_LOOPSRC,
    I_LOCK,
    I_SNAPOFFSET,
    ITEM_PARAM_COUNT
};
enum TakeParam { T_STARTOFFS, T_VOL, T_PAN, T_PLAYRATE, T_PITCH, T_PPITCH, T_CHANMODE, T_PITCHMODE, TAKE_PARAM_COUNT };

// How a stored value is kept: as given, as a whole number, or as a flag.
enum Kind { REAL, WHOLE, FLAG };
struct ParamName {
    const char* name;
    int index;
    Kind kind;
};
constexpr ParamName k_item_params[] = {
    {"D_POSITION", I_POSITION, REAL},
    {"D_LENGTH", I_LENGTH, REAL},
    {"D_FADEINLEN", I_FADEINLEN, REAL},
    {"D_FADEOUTLEN", I_FADEOUTLEN, REAL},
    {"C_FADEINSHAPE", I_FADEINSHAPE, WHOLE},
    {"C_FADEOUTSHAPE", I_FADEOUTSHAPE, WHOLE},
    {"D_VOL", I_VOL, REAL},
    {"B_MUTE", I_MUTE, FLAG},
    {"B_MUTE_ACTUAL", I_MUTE_ACTUAL, FLAG},
    {"B_LOOPSRC", I_LOOPSRC, FLAG},
    {"C_LOCK", I_LOCK, WHOLE},
    {"D_SNAPOFFSET", I_SNAPOFFSET, REAL},
};
constexpr ParamName k_take_params[] = {
    {"D_STARTOFFS", T_STARTOFFS, REAL},
    {"D_VOL", T_VOL, REAL},
    {"D_PAN", T_PAN, REAL},
    {"D_PLAYRATE", T_PLAYRATE, REAL},
    {"D_PITCH", T_PITCH, REAL},
    {"B_PPITCH", T_PPITCH, FLAG},
    {"I_CHANMODE", T_CHANMODE, WHOLE},
    {"I_PITCHMODE", T_PITCHMODE, WHOLE},
};

template <size_t N>
const ParamName* find_param(const ParamName (&table)[N], const char* name) {
    if (name == nullptr) return nullptr;
    for (const auto& p : table) {
        if (std::strcmp(p.name, name) == 0) return &p;
    }
    return nullptr;
}

double keep(Kind kind, double v) {
    switch (kind) {
        case WHOLE:
            return std::isfinite(v) ? std::trunc(v) : 0.0;
        case FLAG:
            return v != 0.0 ? 1.0 : 0.0;
        default:
            return v;
    }
}

struct Take {
    Item* item = nullptr;
    std::string name;
    PCM_source* source = nullptr;
    double p[TAKE_PARAM_COUNT] = {0.0, 1.0, 0.0, 1.0, 0.0, 0.0, 0.0, -1.0};
};

struct Item {
    Track* track = nullptr;
    double p[ITEM_PARAM_COUNT] = {0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0.0, 0.0};
    bool selected = false;
    std::vector<std::unique_ptr<Take>> takes;
    int active = 0;
};

struct Track {
    Project* project = nullptr;
    bool selected = false;
    bool sorted = true;
    std::vector<std::unique_ptr<Item>> items;
};

struct Project {
    std::vector<std::unique_ptr<Track>> tracks;
    double fps = 30.0;
    bool drop_frame = false;
    double cursor = 0.0;
    bool order_valid = false;
    bool selection_valid = false;
    std::vector<Item*> order;      // all items, track by track, by position
    std::vector<Item*> selection;  // selected items in that order
};

struct World {
    std::vector<std::unique_ptr<Project>> projects;
    Project* active = nullptr;
    std::unordered_set<const void*> projects_live, tracks_live, items_live, takes_live;

    int play_state = 0;
    double play_position = 0.0;
    bool insert_moves_cursor = false;

    std::set<std::string> refused_params;
    bool refuse_delete = false, refuse_move = false, refuse_peaks = false, null_take_names = false;
    std::set<std::string> hidden_functions;

    int update_arrange = 0;
    int message_box_answer = 7;
    int message_boxes = 0;
    std::vector<int> delete_log;

    std::vector<std::pair<std::string, void*>> register_log;
    std::map<std::string, void*> registry;
};

World& world() {
    static World* w = new World;  // outlives every static destructor that might still call in
    return *w;
}

// ---- structure helpers

void invalidate(Project* proj) {
    if (proj == nullptr) return;
    proj->order_valid = false;
    proj->selection_valid = false;
}
void invalidate_selection(Project* proj) {
    if (proj != nullptr) proj->selection_valid = false;
}

void sort_track(Track* tr) {
    if (tr->sorted) return;
    std::stable_sort(tr->items.begin(), tr->items.end(),
                     [](const auto& a, const auto& b) { return a->p[I_POSITION] < b->p[I_POSITION]; });
    tr->sorted = true;
}

const std::vector<Item*>& order_of(Project* proj) {
    if (!proj->order_valid) {
        proj->order.clear();
        for (auto& tr : proj->tracks) {
            sort_track(tr.get());
            for (auto& it : tr->items) proj->order.push_back(it.get());
        }
        proj->order_valid = true;
        proj->selection_valid = false;
    }
    return proj->order;
}

const std::vector<Item*>& selection_of(Project* proj) {
    const auto& order = order_of(proj);
    if (!proj->selection_valid) {
        proj->selection.clear();
        for (Item* it : order) {
            if (it->selected) proj->selection.push_back(it);
        }
        proj->selection_valid = true;
    }
    return proj->selection;
}

Project* project_of(ReaProject* proj) {
    World& w = world();
    if (proj == nullptr) return w.active;
    return w.projects_live.count(proj) ? reinterpret_cast<Project*>(proj) : nullptr;
}
Track* track_of(MediaTrack* tr) {
    return tr != nullptr && world().tracks_live.count(tr) ? reinterpret_cast<Track*>(tr) : nullptr;
}
Item* item_of(MediaItem* it) {
    return it != nullptr && world().items_live.count(it) ? reinterpret_cast<Item*>(it) : nullptr;
}
Take* take_of(MediaItem_Take* tk) {
    return tk != nullptr && world().takes_live.count(tk) ? reinterpret_cast<Take*>(tk) : nullptr;
}
template <class H, class T>
H* handle(T* object) {
    return reinterpret_cast<H*>(object);
}

void destroy_take(Take* take) {
    world().takes_live.erase(take);
    delete take->source;
    take->source = nullptr;
}

void destroy_item(Item* item) {
    world().items_live.erase(item);
    for (auto& take : item->takes) destroy_take(take.get());
}

void destroy_track(Track* track) {
    world().tracks_live.erase(track);
    for (auto& item : track->items) destroy_item(item.get());
}

double project_end(Project* proj) {
    double end = 0.0;
    for (auto& tr : proj->tracks) {
        for (auto& it : tr->items) end = std::max(end, it->p[I_POSITION] + it->p[I_LENGTH]);
    }
    return end;
}

Project* new_project() {
    World& w = world();
    w.projects.push_back(std::make_unique<Project>());
    Project* proj = w.projects.back().get();
    w.projects_live.insert(proj);
    return proj;
}

void clear_world(bool clear_registry) {
    World& w = world();
    for (auto& proj : w.projects) {
        for (auto& tr : proj->tracks) destroy_track(tr.get());
    }
    w.projects.clear();
    w.projects_live.clear();
    w.tracks_live.clear();
    w.items_live.clear();
    w.takes_live.clear();
    w.play_state = 0;
    w.play_position = 0.0;
    w.insert_moves_cursor = false;
    w.refused_params.clear();
    w.refuse_delete = w.refuse_move = w.refuse_peaks = w.null_take_names = false;
    w.hidden_functions.clear();
    w.update_arrange = 0;
    w.message_box_answer = 7;
    w.message_boxes = 0;
    w.delete_log.clear();
    if (clear_registry) {
        w.register_log.clear();
        w.registry.clear();
    }
    w.active = new_project();
}

Project* active() {
    World& w = world();
    if (w.active == nullptr) clear_world(false);
    return w.active;
}

bool refused(const char* parmname) {
    return parmname != nullptr && world().refused_params.count(parmname) != 0;
}

Take* active_take(Item* item) {
    if (item == nullptr || item->takes.empty()) return nullptr;
    if (item->active < 0 || item->active >= int(item->takes.size())) return nullptr;
    return item->takes[static_cast<size_t>(item->active)].get();
}

void select_item(Item* item, bool on) {
    if (item->selected == on) return;
    item->selected = on;
    invalidate_selection(item->track->project);
}

Item* add_item(Track* tr) {
    tr->items.push_back(std::make_unique<Item>());
    Item* item = tr->items.back().get();
    item->track = tr;
    tr->sorted = false;
    world().items_live.insert(item);
    invalidate(tr->project);
    return item;
}

Take* add_take(Item* item) {
    item->takes.push_back(std::make_unique<Take>());
    Take* take = item->takes.back().get();
    take->item = item;
    item->active = int(item->takes.size()) - 1;
    world().takes_live.insert(take);
    return take;
}

std::unique_ptr<Item> detach(Item* item, int* index_in_track) {
    auto& items = item->track->items;
    for (size_t i = items.size(); i-- > 0;) {  // bulk deletions come from the back
        if (items[i].get() == item) {
            std::unique_ptr<Item> owned = std::move(items[i]);
            items.erase(items.begin() + static_cast<long>(i));
            if (index_in_track != nullptr) *index_in_track = int(i);
            invalidate(item->track->project);
            return owned;
        }
    }
    return nullptr;
}

// ---------------------------------------------------------------- REAPER's functions

int plugin_register(const char* name, void* infostruct) {
    if (name == nullptr) return 0;
    World& w = world();
    w.register_log.emplace_back(name, infostruct);
    if (name[0] == '-') {
        w.registry.erase(name + 1);
    } else {
        w.registry[name] = infostruct;
    }
    return 1;
}

bool ValidatePtr(void* pointer, const char* ctypename) {
    if (pointer == nullptr || ctypename == nullptr) return false;
    World& w = world();
    if (std::strcmp(ctypename, "MediaItem*") == 0) return w.items_live.count(pointer) != 0;
    if (std::strcmp(ctypename, "MediaTrack*") == 0) return w.tracks_live.count(pointer) != 0;
    if (std::strcmp(ctypename, "ReaProject*") == 0) return w.projects_live.count(pointer) != 0;
    if (std::strcmp(ctypename, "MediaItem_Take*") == 0) return w.takes_live.count(pointer) != 0;
    return false;
}

int CountTracks(ReaProject* proj) {
    Project* p = project_of(proj);
    return p ? int(p->tracks.size()) : 0;
}

MediaTrack* GetTrack(ReaProject* proj, int trackidx) {
    Project* p = project_of(proj);
    if (p == nullptr || trackidx < 0 || trackidx >= int(p->tracks.size())) return nullptr;
    return handle<MediaTrack>(p->tracks[static_cast<size_t>(trackidx)].get());
}

void InsertTrackAtIndex(int idx, bool wantDefaults) {
    (void)wantDefaults;
    Project* p = active();
    auto track = std::make_unique<Track>();
    track->project = p;
    world().tracks_live.insert(track.get());
    idx = std::clamp(idx, 0, int(p->tracks.size()));
    p->tracks.insert(p->tracks.begin() + idx, std::move(track));
    invalidate(p);
}

void DeleteTrack(MediaTrack* tr) {
    Track* t = track_of(tr);
    if (t == nullptr) return;
    Project* p = t->project;
    destroy_track(t);
    for (size_t i = 0; i < p->tracks.size(); ++i) {
        if (p->tracks[i].get() == t) {
            p->tracks.erase(p->tracks.begin() + static_cast<long>(i));
            break;
        }
    }
    invalidate(p);
}

int CountMediaItems(ReaProject* proj) {
    Project* p = project_of(proj);
    return p ? int(order_of(p).size()) : 0;
}

MediaItem* GetMediaItem(ReaProject* proj, int itemidx) {
    Project* p = project_of(proj);
    if (p == nullptr) return nullptr;
    const auto& order = order_of(p);
    if (itemidx < 0 || itemidx >= int(order.size())) return nullptr;
    return handle<MediaItem>(order[static_cast<size_t>(itemidx)]);
}

int CountSelectedMediaItems(ReaProject* proj) {
    Project* p = project_of(proj);
    return p ? int(selection_of(p).size()) : 0;
}

MediaItem* GetSelectedMediaItem(ReaProject* proj, int selitem) {
    Project* p = project_of(proj);
    if (p == nullptr) return nullptr;
    const auto& sel = selection_of(p);
    if (selitem < 0 || selitem >= int(sel.size())) return nullptr;
    return handle<MediaItem>(sel[static_cast<size_t>(selitem)]);
}

int CountSelectedTracks(ReaProject* proj) {
    Project* p = project_of(proj);
    if (p == nullptr) return 0;
    return int(std::count_if(p->tracks.begin(), p->tracks.end(), [](const auto& t) { return t->selected; }));
}

MediaTrack* GetSelectedTrack(ReaProject* proj, int seltrackidx) {
    Project* p = project_of(proj);
    if (p == nullptr || seltrackidx < 0) return nullptr;
    for (auto& t : p->tracks) {
        if (t->selected && seltrackidx-- == 0) return handle<MediaTrack>(t.get());
    }
    return nullptr;
}

int CountTrackMediaItems(MediaTrack* track) {
    Track* t = track_of(track);
    return t ? int(t->items.size()) : 0;
}

MediaItem* GetTrackMediaItem(MediaTrack* tr, int itemidx) {
    Track* t = track_of(tr);
    if (t == nullptr || itemidx < 0 || itemidx >= int(t->items.size())) return nullptr;
    sort_track(t);
    return handle<MediaItem>(t->items[static_cast<size_t>(itemidx)].get());
}

int CountTakes(MediaItem* item) {
    Item* it = item_of(item);
    return it ? int(it->takes.size()) : 0;
}

MediaItem_Take* GetTake(MediaItem* item, int takeidx) {
    Item* it = item_of(item);
    if (it == nullptr || takeidx < 0 || takeidx >= int(it->takes.size())) return nullptr;
    return handle<MediaItem_Take>(it->takes[static_cast<size_t>(takeidx)].get());
}

MediaItem_Take* GetActiveTake(MediaItem* item) {
    return handle<MediaItem_Take>(active_take(item_of(item)));
}

void SetActiveTake(MediaItem_Take* take) {
    Take* tk = take_of(take);
    if (tk == nullptr) return;
    auto& takes = tk->item->takes;
    for (size_t i = 0; i < takes.size(); ++i) {
        if (takes[i].get() == tk) tk->item->active = int(i);
    }
}

PCM_source* GetMediaItemTake_Source(MediaItem_Take* take) {
    Take* tk = take_of(take);
    return tk ? tk->source : nullptr;
}

MediaItem* GetMediaItemTake_Item(MediaItem_Take* take) {
    Take* tk = take_of(take);
    return tk ? handle<MediaItem>(tk->item) : nullptr;
}

bool SetMediaItemTake_Source(MediaItem_Take* take, PCM_source* source) {
    Take* tk = take_of(take);
    if (tk == nullptr || source == nullptr) return false;
    if (tk->source != source) delete tk->source;
    tk->source = source;
    return true;
}

MediaTrack* GetMediaItem_Track(MediaItem* item) {
    Item* it = item_of(item);
    return it ? handle<MediaTrack>(it->track) : nullptr;
}

ReaProject* GetItemProjectContext(MediaItem* item) {
    Item* it = item_of(item);
    return it ? handle<ReaProject>(it->track->project) : nullptr;
}

double GetMediaItemInfo_Value(MediaItem* item, const char* parmname) {
    Item* it = item_of(item);
    if (it == nullptr || parmname == nullptr) return 0.0;
    if (std::strcmp(parmname, "B_UISEL") == 0) return it->selected ? 1.0 : 0.0;
    if (std::strcmp(parmname, "I_CURTAKE") == 0) return it->active;
    const ParamName* p = find_param(k_item_params, parmname);
    return p ? it->p[p->index] : 0.0;
}

bool SetMediaItemInfo_Value(MediaItem* item, const char* parmname, double newvalue) {
    Item* it = item_of(item);
    if (it == nullptr || parmname == nullptr || refused(parmname)) return false;
    if (std::strcmp(parmname, "B_UISEL") == 0) {
        select_item(it, newvalue != 0.0);
        return true;
    }
    if (std::strcmp(parmname, "I_CURTAKE") == 0) {
        if (newvalue < 0 || newvalue >= double(it->takes.size())) return false;
        it->active = int(newvalue);
        return true;
    }
    const ParamName* p = find_param(k_item_params, parmname);
    if (p == nullptr) return false;
    it->p[p->index] = keep(p->kind, newvalue);
    if (p->index == I_MUTE) it->p[I_MUTE_ACTUAL] = it->p[I_MUTE];
    if (p->index == I_POSITION) {
        it->track->sorted = false;
        invalidate(it->track->project);
    }
    return true;
}

bool SetMediaItemPosition(MediaItem* item, double position, bool refreshUI) {
    (void)refreshUI;
    return SetMediaItemInfo_Value(item, "D_POSITION", position);
}

bool SetMediaItemLength(MediaItem* item, double length, bool refreshUI) {
    (void)refreshUI;
    return SetMediaItemInfo_Value(item, "D_LENGTH", length);
}

double GetMediaItemTakeInfo_Value(MediaItem_Take* take, const char* parmname) {
    Take* tk = take_of(take);
    if (tk == nullptr) return 0.0;
    const ParamName* p = find_param(k_take_params, parmname);
    return p ? tk->p[p->index] : 0.0;
}

bool SetMediaItemTakeInfo_Value(MediaItem_Take* take, const char* parmname, double newvalue) {
    Take* tk = take_of(take);
    if (tk == nullptr || refused(parmname)) return false;
    const ParamName* p = find_param(k_take_params, parmname);
    if (p == nullptr) return false;
    tk->p[p->index] = keep(p->kind, newvalue);
    return true;
}

constexpr size_t k_string_room = 4096;  // what "stringNeedBig" callers get at most

bool GetSetMediaItemTakeInfo_String(MediaItem_Take* tk, const char* parmname, char* stringNeedBig, bool setNewValue) {
    Take* take = take_of(tk);
    if (take == nullptr || parmname == nullptr || stringNeedBig == nullptr) return false;
    if (std::strcmp(parmname, "P_NAME") != 0) return false;
    if (setNewValue) {
        if (refused(parmname)) return false;
        take->name = stringNeedBig;
        return true;
    }
    const size_t n = std::min(take->name.size(), k_string_room - 1);
    std::memcpy(stringNeedBig, take->name.data(), n);
    stringNeedBig[n] = '\0';
    return true;
}

void* GetSetMediaItemTakeInfo(MediaItem_Take* tk, const char* parmname, void* setNewValue) {
    Take* take = take_of(tk);
    if (take == nullptr || parmname == nullptr) return nullptr;
    if (std::strcmp(parmname, "P_SOURCE") == 0) {
        if (setNewValue != nullptr) {
            if (refused(parmname)) return nullptr;
            take->source = static_cast<PCM_source*>(setNewValue);  // the caller destroys the old one
        }
        return take->source;
    }
    if (std::strcmp(parmname, "P_ITEM") == 0) return take->item;
    if (std::strcmp(parmname, "P_TRACK") == 0) return take->item->track;
    return nullptr;
}

const char* GetTakeName(MediaItem_Take* take) {
    Take* tk = take_of(take);
    if (tk == nullptr || world().null_take_names) return nullptr;
    return tk->name.c_str();
}

double GetMediaTrackInfo_Value(MediaTrack* tr, const char* parmname) {
    Track* t = track_of(tr);
    if (t == nullptr || parmname == nullptr) return 0.0;
    if (std::strcmp(parmname, "P_PROJECT") == 0) {
        return static_cast<double>(reinterpret_cast<std::uintptr_t>(t->project));
    }
    if (std::strcmp(parmname, "I_SELECTED") == 0) return t->selected ? 1.0 : 0.0;
    if (std::strcmp(parmname, "IP_TRACKNUMBER") == 0) {
        auto& tracks = t->project->tracks;
        for (size_t i = 0; i < tracks.size(); ++i) {
            if (tracks[i].get() == t) return double(i + 1);
        }
    }
    return 0.0;
}

// Copies a source's text into a caller's buffer, always terminated.
void copy_out(char* buf, int buf_sz, const char* text) {
    if (buf == nullptr || buf_sz <= 0) return;
    std::snprintf(buf, static_cast<size_t>(buf_sz), "%s", text != nullptr ? text : "");
}

void GetMediaSourceType(PCM_source* source, char* typebuf, int typebuf_sz) {
    copy_out(typebuf, typebuf_sz, source != nullptr ? source->GetType() : "");
}

void GetMediaSourceFileName(PCM_source* source, char* filenamebuf, int filenamebuf_sz) {
    copy_out(filenamebuf, filenamebuf_sz, source != nullptr ? source->GetFileName() : "");
}

int GetMediaSourceSampleRate(PCM_source* source) {
    return source ? int(source->GetSampleRate()) : 0;
}
int GetMediaSourceNumChannels(PCM_source* source) {
    return source ? source->GetNumChannels() : 0;
}
double GetMediaSourceLength(PCM_source* source, bool* lengthIsQNOut) {
    if (lengthIsQNOut != nullptr) *lengthIsQNOut = false;
    return source ? source->GetLength() : 0.0;
}

PCM_source* PCM_Source_CreateFromFile(const char* filename) {
    auto audio = load_audio(filename);
    return audio ? new Source(std::move(audio)) : nullptr;
}

void PCM_Source_Destroy(PCM_source* src) {
    delete src;
}

MediaItem* AddMediaItemToTrack(MediaTrack* tr) {
    Track* t = track_of(tr);
    return t ? handle<MediaItem>(add_item(t)) : nullptr;
}

MediaItem_Take* AddTakeToMediaItem(MediaItem* item) {
    Item* it = item_of(item);
    return it ? handle<MediaItem_Take>(add_take(it)) : nullptr;
}

bool DeleteTrackMediaItem(MediaTrack* tr, MediaItem* it) {
    Track* t = track_of(tr);
    Item* item = item_of(it);
    if (t == nullptr || item == nullptr || item->track != t || world().refuse_delete) return false;
    int index = -1;
    std::unique_ptr<Item> owned = detach(item, &index);
    if (!owned) return false;
    world().delete_log.push_back(index);
    destroy_item(owned.get());
    return true;
}

bool MoveMediaItemToTrack(MediaItem* item, MediaTrack* desttr) {
    Item* it = item_of(item);
    Track* dest = track_of(desttr);
    if (it == nullptr || dest == nullptr || world().refuse_move) return false;
    if (it->track == dest) return true;
    std::unique_ptr<Item> owned = detach(it, nullptr);
    if (!owned) return false;
    it->track = dest;
    dest->items.push_back(std::move(owned));
    dest->sorted = false;
    invalidate(dest->project);
    return true;
}

void SetMediaItemSelected(MediaItem* item, bool selected) {
    if (Item* it = item_of(item)) select_item(it, selected);
}

bool IsMediaItemSelected(MediaItem* item) {
    Item* it = item_of(item);
    return it != nullptr && it->selected;
}

void SelectAllMediaItems(ReaProject* proj, bool selected) {
    Project* p = project_of(proj);
    if (p == nullptr) return;
    for (Item* it : order_of(p)) it->selected = selected;
    invalidate_selection(p);
}

void SetTrackSelected(MediaTrack* track, bool selected) {
    if (Track* t = track_of(track)) t->selected = selected;
}

bool IsTrackSelected(MediaTrack* track) {
    Track* t = track_of(track);
    return t != nullptr && t->selected;
}

void SetOnlyTrackSelected(MediaTrack* track) {
    Track* t = track_of(track);
    if (t == nullptr) return;
    for (auto& other : t->project->tracks) other->selected = false;
    t->selected = true;
}

double GetCursorPositionEx(ReaProject* proj) {
    Project* p = project_of(proj);
    return p ? p->cursor : 0.0;
}
double GetCursorPosition() {
    return GetCursorPositionEx(nullptr);
}

double GetPlayPositionEx(ReaProject* proj) {
    Project* p = project_of(proj);
    if (p == nullptr) return 0.0;
    return (world().play_state & 1) && p == active() ? world().play_position : p->cursor;
}
double GetPlayPosition() {
    return GetPlayPositionEx(nullptr);
}

int GetPlayState() {
    return world().play_state;
}

void SetEditCurPos2(ReaProject* proj, double time, bool moveview, bool seekplay) {
    (void)moveview;
    Project* p = project_of(proj);
    if (p == nullptr || std::isnan(time)) return;
    p->cursor = std::max(0.0, time);
    if (seekplay && (world().play_state & 1) && p == active()) world().play_position = p->cursor;
}

void SetEditCurPos(double time, bool moveview, bool seekplay) {
    SetEditCurPos2(nullptr, time, moveview, seekplay);
}

void CSurf_GoEnd() {
    Project* p = active();
    p->cursor = project_end(p);
}

double GetProjectLength(ReaProject* proj) {
    Project* p = project_of(proj);
    return p ? project_end(p) : 0.0;
}

double TimeMap_curFrameRate(ReaProject* proj, bool* dropFrameOut) {
    Project* p = project_of(proj);
    if (dropFrameOut != nullptr) *dropFrameOut = p ? p->drop_frame : false;
    return p ? p->fps : 0.0;
}

int InsertMedia(const char* file, int mode) {
    if (mode != 0) return 0;
    Project* p = active();
    PCM_source* source = PCM_Source_CreateFromFile(file);
    if (source == nullptr) return 0;
    Track* target = nullptr;
    for (auto& t : p->tracks) {
        if (t->selected) {
            target = t.get();
            break;
        }
    }
    if (target == nullptr) {
        if (p->tracks.empty()) InsertTrackAtIndex(0, true);
        target = p->tracks.front().get();
    }
    for (Item* it : order_of(p)) it->selected = false;
    Item* item = add_item(target);
    item->p[I_POSITION] = p->cursor;
    item->p[I_LENGTH] = source->GetLength();
    Take* take = add_take(item);
    take->source = source;
    take->name = last_component(file);
    item->selected = true;
    invalidate(p);
    if (world().insert_moves_cursor) p->cursor = item->p[I_POSITION] + item->p[I_LENGTH];
    return 1;
}

int GetMediaItemTake_Peaks(MediaItem_Take* take, double peakrate, double starttime, int numchannels,
                           int numsamplesperchannel, int want_extra_type, double* buf) {
    (void)want_extra_type;  // no extra data is ever available here
    Take* tk = take_of(take);
    if (tk == nullptr || buf == nullptr || world().refuse_peaks || !(peakrate > 0.0) || numchannels <= 0 ||
        numsamplesperchannel <= 0 || numsamplesperchannel >= (1 << 20)) {
        return 0;
    }
    auto* src = dynamic_cast<Source*>(tk->source);
    if (src == nullptr) return 0;
    const Audio& a = src->audio();
    const Item* item = tk->item;
    const double rate = tk->p[T_PLAYRATE] > 0.0 ? tk->p[T_PLAYRATE] : 1.0;
    const int n = numsamplesperchannel;
    const auto to_frame = [&](double project_time) {
        const double source_time = (project_time - item->p[I_POSITION]) * rate + tk->p[T_STARTOFFS];
        return static_cast<long long>(std::floor(source_time * a.rate + 1e-9));
    };
    for (int k = 0; k < n; ++k) {
        const double t0 = starttime + k / peakrate;
        const long long f0 = std::max(0LL, to_frame(t0));
        const long long f1 = std::min(a.frames, std::max(f0 + 1, to_frame(t0 + 1.0 / peakrate)));
        for (int ch = 0; ch < numchannels; ++ch) {
            double hi = 0.0, lo = 0.0;
            bool any = false;
            for (long long f = f0; f < f1; ++f) {
                for (int c = 0; c < a.channels; ++c) {
                    if (numchannels > 1 && std::min(ch, a.channels - 1) != c) continue;
                    const double v = a.samples[static_cast<size_t>(f * a.channels + c)];
                    hi = any ? std::max(hi, v) : v;
                    lo = any ? std::min(lo, v) : v;
                    any = true;
                }
            }
            buf[k * numchannels + ch] = hi;
            buf[n * numchannels + k * numchannels + ch] = lo;
        }
    }
    return n;  // points delivered, output mode 0, no extra data
}

void UpdateArrange() {
    ++world().update_arrange;
}

int ShowMessageBox(const char* msg, const char* title, int type) {
    (void)msg;
    (void)title;
    (void)type;
    ++world().message_boxes;
    return world().message_box_answer;
}

// ---------------------------------------------------------------- function table

struct Entry {
    std::string name;
    void* func;
    void* vararg;
    std::string def;
};

template <auto F>
Entry entry(const char* name, const char* param_names) {
    using A = ko_host::plain_adapter<F>;
    Entry e{name, ko_host::untyped(F), ko_host::untyped(&A::call), {}};
    e.def = A::return_type();
    e.def += '\0';
    e.def += A::param_types();
    e.def += '\0';
    e.def += param_names;
    e.def += '\0';
    e.def += '\0';
    return e;
}

#define SIM_FN(NAME, PARAM_NAMES) entry<&NAME>(#NAME, PARAM_NAMES)

const std::vector<Entry>& functions() {
    static const std::vector<Entry> table = {
        SIM_FN(plugin_register, "name,infostruct"),
        SIM_FN(ValidatePtr, "pointer,ctypename"),
        SIM_FN(CountTracks, "proj"),
        SIM_FN(GetTrack, "proj,trackidx"),
        SIM_FN(InsertTrackAtIndex, "idx,wantDefaults"),
        SIM_FN(DeleteTrack, "tr"),
        SIM_FN(CountMediaItems, "proj"),
        SIM_FN(GetMediaItem, "proj,itemidx"),
        SIM_FN(CountSelectedMediaItems, "proj"),
        SIM_FN(GetSelectedMediaItem, "proj,selitem"),
        SIM_FN(CountSelectedTracks, "proj"),
        SIM_FN(GetSelectedTrack, "proj,seltrackidx"),
        SIM_FN(CountTrackMediaItems, "track"),
        SIM_FN(GetTrackMediaItem, "tr,itemidx"),
        SIM_FN(CountTakes, "item"),
        SIM_FN(GetTake, "item,takeidx"),
        SIM_FN(GetActiveTake, "item"),
        SIM_FN(SetActiveTake, "take"),
        SIM_FN(GetMediaItemTake_Source, "take"),
        SIM_FN(GetMediaItemTake_Item, "take"),
        SIM_FN(SetMediaItemTake_Source, "take,source"),
        SIM_FN(GetMediaItem_Track, "item"),
        SIM_FN(GetItemProjectContext, "item"),
        SIM_FN(GetMediaItemInfo_Value, "item,parmname"),
        SIM_FN(SetMediaItemInfo_Value, "item,parmname,newvalue"),
        SIM_FN(SetMediaItemPosition, "item,position,refreshUI"),
        SIM_FN(SetMediaItemLength, "item,length,refreshUI"),
        SIM_FN(GetMediaItemTakeInfo_Value, "take,parmname"),
        SIM_FN(SetMediaItemTakeInfo_Value, "take,parmname,newvalue"),
        SIM_FN(GetSetMediaItemTakeInfo_String, "tk,parmname,stringNeedBig,setNewValue"),
        SIM_FN(GetSetMediaItemTakeInfo, "tk,parmname,setNewValue"),
        SIM_FN(GetTakeName, "take"),
        SIM_FN(GetMediaTrackInfo_Value, "tr,parmname"),
        SIM_FN(GetMediaSourceType, "source,typebufOut,typebufOut_sz"),
        SIM_FN(GetMediaSourceFileName, "source,filenamebufOut,filenamebufOut_sz"),
        SIM_FN(GetMediaSourceSampleRate, "source"),
        SIM_FN(GetMediaSourceNumChannels, "source"),
        SIM_FN(GetMediaSourceLength, "source,lengthIsQNOut"),
        SIM_FN(PCM_Source_CreateFromFile, "filename"),
        SIM_FN(PCM_Source_Destroy, "src"),
        SIM_FN(AddMediaItemToTrack, "tr"),
        SIM_FN(AddTakeToMediaItem, "item"),
        SIM_FN(DeleteTrackMediaItem, "tr,it"),
        SIM_FN(MoveMediaItemToTrack, "item,desttr"),
        SIM_FN(SetMediaItemSelected, "item,selected"),
        SIM_FN(IsMediaItemSelected, "item"),
        SIM_FN(SelectAllMediaItems, "proj,selected"),
        SIM_FN(SetTrackSelected, "track,selected"),
        SIM_FN(IsTrackSelected, "track"),
        SIM_FN(SetOnlyTrackSelected, "track"),
        SIM_FN(InsertMedia, "file,mode"),
        SIM_FN(GetMediaItemTake_Peaks, "take,peakrate,starttime,numchannels,numsamplesperchannel,want_extra_type,buf"),
        SIM_FN(TimeMap_curFrameRate, "proj,dropFrameOut"),
        SIM_FN(GetPlayState, ""),
        SIM_FN(GetPlayPositionEx, "proj"),
        SIM_FN(GetPlayPosition, ""),
        SIM_FN(GetCursorPositionEx, "proj"),
        SIM_FN(GetCursorPosition, ""),
        SIM_FN(GetProjectLength, "proj"),
        SIM_FN(CSurf_GoEnd, ""),
        SIM_FN(SetEditCurPos2, "proj,time,moveview,seekplay"),
        SIM_FN(SetEditCurPos, "time,moveview,seekplay"),
        SIM_FN(UpdateArrange, ""),
        SIM_FN(ShowMessageBox, "msg,title,type"),
    };
    return table;
}

const std::unordered_map<std::string, const Entry*>& function_index() {
    static const auto index = [] {
        std::unordered_map<std::string, const Entry*> m;
        for (const Entry& e : functions()) m[e.name] = &e;
        return m;
    }();
    return index;
}

int host_register(const char* name, void* infostruct) {
    return plugin_register(name, infostruct);
}

void* host_get_func(const char* name) {
    if (name == nullptr || world().hidden_functions.count(name)) return nullptr;
    const auto& index = function_index();
    auto found = index.find(name);
    return found == index.end() ? nullptr : found->second->func;
}

// Writes a tone with libsndfile.
int write_tone(const char* path, const char* format, int rate, int channels, double seconds, double freq,
               double amplitude) {
    if (path == nullptr || format == nullptr || rate <= 0 || channels <= 0 || channels > 64 || !(seconds >= 0.0) ||
        seconds > 3600.0) {
        return 0;
    }
    static const std::map<std::string, int> formats = {
        {"wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16}, {"wav24", SF_FORMAT_WAV | SF_FORMAT_PCM_24},
        {"wavf", SF_FORMAT_WAV | SF_FORMAT_FLOAT}, {"flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16},
        {"ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS}, {"mp3", SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III},
    };
    auto f = formats.find(format);
    if (f == formats.end()) return 0;
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = f->second;
    SNDFILE* file = sf_open(path, SFM_WRITE, &info);
    if (file == nullptr) return 0;
    const auto frames = static_cast<long long>(std::llround(seconds * rate));
    std::vector<float> block(static_cast<size_t>(channels) * 4096);
    long long done = 0;
    bool ok = true;
    while (done < frames && ok) {
        const long long n = std::min<long long>(4096, frames - done);
        for (long long i = 0; i < n; ++i) {
            const double t = double(done + i) / rate;
            const auto v = static_cast<float>(amplitude * std::sin(2.0 * M_PI * freq * t));
            for (int c = 0; c < channels; ++c) block[static_cast<size_t>(i * channels + c)] = v;
        }
        ok = sf_writef_float(file, block.data(), n) == n;
        done += n;
    }
    sf_close(file);
    g_audio_cache.erase(path);
    return ok ? 1 : 0;
}

}  // namespace
}  // namespace ko_sim

using namespace ko_sim;

extern "C" {

reaper_plugin_info_t* sim_plugin_info(void) {
    static reaper_plugin_info_t rec{0x20E, nullptr, &host_register, &host_get_func};
    active();
    return &rec;
}

void* sim_get_func(const char* name) {
    return host_get_func(name);
}

void sim_reset(int clear_registry) {
    clear_world(clear_registry != 0);
}

ReaProject* sim_project_add(void) {
    active();
    return handle<ReaProject>(new_project());
}

int sim_project_close(ReaProject* proj) {
    Project* p = project_of(proj);
    World& w = world();
    if (p == nullptr || w.projects.size() < 2) return 0;  // REAPER always keeps one tab open
    for (auto& tr : p->tracks) destroy_track(tr.get());
    w.projects_live.erase(p);
    for (size_t i = 0; i < w.projects.size(); ++i) {
        if (w.projects[i].get() == p) {
            w.projects.erase(w.projects.begin() + static_cast<long>(i));
            break;
        }
    }
    if (w.active == p) w.active = w.projects.front().get();
    return 1;
}

int sim_project_activate(ReaProject* proj) {
    Project* p = project_of(proj);
    if (p == nullptr) return 0;
    world().active = p;
    return 1;
}

ReaProject* sim_project_active(void) {
    return handle<ReaProject>(active());
}

int sim_project_count(void) {
    active();
    return int(world().projects.size());
}

int sim_set_frame_rate(ReaProject* proj, double fps) {
    Project* p = project_of(proj);
    if (p == nullptr || !std::isfinite(fps) || fps < 0.0) return 0;
    p->fps = fps;
    return 1;
}

double sim_project_end(ReaProject* proj) {
    return GetProjectLength(proj);
}

int sim_set_transport(int state, double play_position) {
    if (state < 0 || state > 7 || !std::isfinite(play_position)) return 0;
    world().play_state = state;
    world().play_position = play_position;
    return 1;
}

void sim_set_insert_moves_cursor(int on) {
    world().insert_moves_cursor = on != 0;
}

int sim_refuse_param(const char* parmname, int on) {
    if (parmname == nullptr) return 0;
    if (on) {
        world().refused_params.insert(parmname);
    } else {
        world().refused_params.erase(parmname);
    }
    return 1;
}

void sim_refuse_delete(int on) {
    world().refuse_delete = on != 0;
}
void sim_refuse_move(int on) {
    world().refuse_move = on != 0;
}
void sim_refuse_peaks(int on) {
    world().refuse_peaks = on != 0;
}
void sim_null_take_names(int on) {
    world().null_take_names = on != 0;
}

int sim_hide_function(const char* name, int hide) {
    if (name == nullptr) return 0;
    if (hide) {
        world().hidden_functions.insert(name);
    } else {
        world().hidden_functions.erase(name);
    }
    return 1;
}

int sim_update_arrange_count(void) {
    return world().update_arrange;
}
void sim_set_message_box_answer(int answer) {
    world().message_box_answer = answer;
}
int sim_message_box_count(void) {
    return world().message_boxes;
}
int sim_live_sources(void) {
    return g_live_sources;
}
int sim_item_count_all(void) {
    return int(world().items_live.size());
}
int sim_delete_log_count(void) {
    return int(world().delete_log.size());
}
int sim_delete_log_index(int i) {
    const auto& log = world().delete_log;
    return i >= 0 && i < int(log.size()) ? log[static_cast<size_t>(i)] : -1;
}

int sim_register_log_count(void) {
    return int(world().register_log.size());
}
const char* sim_register_log_key(int i) {
    const auto& log = world().register_log;
    return i >= 0 && i < int(log.size()) ? log[static_cast<size_t>(i)].first.c_str() : nullptr;
}
void* sim_register_log_ptr(int i) {
    const auto& log = world().register_log;
    return i >= 0 && i < int(log.size()) ? log[static_cast<size_t>(i)].second : nullptr;
}
void sim_register_log_clear(void) {
    world().register_log.clear();
}
void* sim_registered(const char* key) {
    if (key == nullptr) return nullptr;
    auto found = world().registry.find(key);
    return found == world().registry.end() ? nullptr : found->second;
}
int sim_registered_count(void) {
    return int(world().registry.size());
}
const char* sim_registered_key(int i) {
    const auto& reg = world().registry;
    if (i < 0 || i >= int(reg.size())) return nullptr;
    return std::next(reg.begin(), i)->first.c_str();
}

int sim_write_tone(const char* path, const char* format, int rate, int channels, double seconds, double freq,
                   double amplitude) {
    return write_tone(path, format, rate, channels, seconds, freq, amplitude);
}

const sim_api_entry* sim_api_table(int* count) {
    static const std::vector<sim_api_entry> table = [] {
        std::vector<sim_api_entry> out;
        for (const Entry& e : functions()) out.push_back({e.name.c_str(), e.func, e.vararg, e.def.data()});
        return out;
    }();
    if (count != nullptr) *count = int(table.size());
    return table.data();
}

}  // extern "C"

#include "host/messages.h"

namespace ko_app {

const char* message::URL_SWS() {
    return "https://www.sws-extension.org/";
}
const char* message::SWS_PROGRAM_NAME() {
    return "";
}

const char* message_en::ERROR_TITLE() {
    return "KORVANE_ORCHID";
}
const char* message_en::MSG_DEPENDENCY_ERROR() {
    return "To use %s, you need to install %s.\nPlease refer to the URL below for details.\n\n%s\n\nWould you like to "
           "open the URL?";
}
const char* message_en::MSG_FAIL_LOAD_REAPER_EXTENSION() {
    return "Failed to load function.";
}

const char* message_jp::ERROR_TITLE() {
    return "KORVANE_ORCHID";
}
const char* message_jp::MSG_DEPENDENCY_ERROR() {
    return "%sを使用するためには%sのインストールが必要です。\n詳細は下記URLを参照ください。\n\n%s\n\nURLを開きますか？";
}
const char* message_jp::MSG_FAIL_LOAD_REAPER_EXTENSION() {
    return "関数の読み込みに失敗しました。";
}

}  // namespace ko_app

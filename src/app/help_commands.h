#pragma once
// The help and link commands: help texts from the application's folder "帮助", the companion
// feedback program, web pages and mail through the shell, and plain-text clipboard copies.
#include <windows.h>

#include <functional>
#include <string>

namespace app {

// Opens a document, program, page or mail address (ShellExecuteA "open", no parameters, no
// working directory, `owner` as owner; the result is ignored). Replaceable so tests record what
// would open instead of starting it.
using TShellOpen = std::function<void(HWND owner, const std::string& target, int show)>;
// Installs `open` (empty: the real ShellExecuteA); returns the previous one.
TShellOpen SetShellOpen(TShellOpen open);
void ShellOpen(HWND owner, const std::string& target, int show);

// Web addresses of the link commands.
namespace links {
inline constexpr const char* kSeries[10] = {
    "https://talvik.example.com/soft/cleaner.html",   "https://talvik.example.com/soft/contextmenu.html",
    "https://talvik.example.com/soft/startup.html",   "https://talvik.example.com/soft/rename.html",
    "https://talvik.example.com/soft/desktop.html",   "https://talvik.example.com/soft/installpath.html",
    "https://talvik.example.com/soft/folderlock.html", "https://talvik.example.com/soft/colorpicker.html",
    "https://talvik.example.com/soft/clipboard.html", "https://talvik.example.com/soft/speedtest.html"};
inline constexpr const char* kOnlinedown = "https://www.onlinedown.net/";  // 华军软件园
inline constexpr const char* kSkycn = "https://www.skycn.com/";            // 天空软件站
inline constexpr const char* kCrsky = "https://www.crsky.com/";            // 非凡软件站
inline constexpr const char* kZol = "https://xiazai.zol.com.cn/";          // 中关村在线
inline constexpr const char* kDownxia = "https://www.downxia.com/";        // 绿软家园
inline constexpr const char* kHosting = "https://hosting.talvik.example.com/";
inline constexpr const char* kStorage = "https://brsbox.talvik.example.com/";
// The author's page and mail address shown in the about box.
inline constexpr const char* kAuthorPage = "https://talvik.example.com/";
inline constexpr const char* kAuthorMail = "talvik@example.com";
}  // namespace links

inline constexpr const char* kHelpFolder = "帮助\\";
inline constexpr const char* kFeedbackFolder = "Pellumo_用户反馈表";
inline constexpr const char* kFeedbackProgram = "用户反馈表.exe";
inline constexpr const char* kMissingFile = "文件不存在  ";
inline constexpr const char* kMissingFeedbackFolder = "文件夹 Pellumo_用户反馈表不存在，请手工启动";

// Shows appFolder\帮助\fileName maximised, or the plain message "文件不存在  " + that path.
void OpenHelpText(HWND owner, const std::string& appFolder, const std::string& fileName);
// Starts the feedback program from its own folder as current directory; the current directory is
// the application folder again afterwards (unchanged when the folder is missing).
void StartFeedbackProgram(HWND owner, const std::string& appFolder);
// Opens a web page (or a "mailto:" address) shown normally.
void OpenPage(HWND owner, const std::string& address);

// Puts 8-bit text on the clipboard as CF_TEXT; false when the clipboard could not be taken.
bool CopyTextToClipboard(HWND owner, const std::string& text);

}  // namespace app

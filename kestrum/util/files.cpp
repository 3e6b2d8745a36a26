// SPDX-License-Identifier: GPL-3.0-or-later
#include "kestrum/files.h"

#include <cerrno>
#include <cmath>
#include <climits>
#include <cstring>
#include <ctime>
#include <algorithm>
#include <deque>
#include <set>
#include <utility>
#include <vector>
#include <dirent.h>
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFileDialog>
#include <QFont>
#include <QPainter>
#include <QProcess>
#include <QStringList>

#include "platform/MessageBox.h"
#include "platform/TextCodec.h"

namespace {

// Bounds of every search: a desktop or network drive must not be walked whole.
constexpr int kMaxDepth = 6;
constexpr int kMaxEntries = 20000;

char Lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? (char)(c - 'A' + 'a') : c;
}

bool SameNoCase(const CString& a, const CString& b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

CString Slashes(CString s)
{
    for (char& c : s)
        if (c == '\\') c = '/';
    return s;
}

size_t LastSeparator(const CString& s)
{
    return s.find_last_of("\\/");
}

CString CurrentFolder()
{
    std::vector<char> buf(4096);
    if (!::getcwd(buf.data(), buf.size())) return ".";
    return CString(buf.data());
}

CString Join(const CString& folder, const CString& name)
{
    if (folder.empty()) return name;
    if (folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

using Matcher = bool (*)(const CString& file, const CString& name);

// "stem": the file's name up to its first '.'; "*.ext": contains ".ext" exactly; else the whole name.
bool FirstRule(const CString& file, const CString& name)
{
    size_t dot = name.find('.');
    if (dot == CString::npos) return SameNoCase(file.substr(0, file.find('.')), name);
    if (!name.empty() && name[0] == '*') return file.find(name.substr(dot)) != CString::npos;
    return SameNoCase(file, name);
}

bool SecondRule(const CString& file, const CString& name)
{
    return SameNoCase(file, name);
}

// Breadth-first, in name order: the match nearest the top wins. Folders are entered once each
// (by device and inode), so linked loops end; depth and entries are bounded.
bool Search(const CString& top, const CString& name, Matcher match, CString& result)
{
    if (name.empty()) return false;
    std::set<std::pair<dev_t, ino_t>> seen;
    std::deque<std::pair<CString, int>> queue;
    queue.emplace_back(top, 0);
    int entries = 0;
    while (!queue.empty()) {
        auto [folder, depth] = queue.front();
        queue.pop_front();
        struct stat st {};
        if (::stat(folder.empty() ? "." : folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) continue;
        if (!seen.insert({st.st_dev, st.st_ino}).second) continue;
        DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
        if (!dir) continue;
        // The listing's own type spares a stat per entry; links and unknown types are looked up.
        std::vector<std::pair<CString, unsigned char>> names;
        while (dirent* d = ::readdir(dir)) {
            if (!std::strcmp(d->d_name, ".") || !std::strcmp(d->d_name, "..")) continue;
            names.emplace_back(d->d_name, d->d_type);
            if (++entries >= kMaxEntries) break;
        }
        ::closedir(dir);
        std::sort(names.begin(), names.end());
        for (const auto& [n, type] : names) {
            CString full = Join(folder, n);
            bool isDir = type == DT_DIR;
            if (type != DT_DIR && type != DT_REG) {
                struct stat es {};
                if (::stat(full.c_str(), &es) != 0) continue;
                isDir = S_ISDIR(es.st_mode);
            }
            if (isDir) {
                if (depth < kMaxDepth) queue.emplace_back(full, depth + 1);
            } else if (match(n, name)) {
                result = full;
                return true;
            }
        }
        if (entries >= kMaxEntries) break;
    }
    return false;
}

// Where the library keeps its data: beside the program, ../share/kestrum from it, the share
// folder beside the library (a build tree), and the data folder it was installed with.
std::vector<CString> DataFolders()
{
    std::vector<CString> folders;
    std::vector<char> buf(4096);
    ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size() - 1);
    if (n > 0) {
        CString exe(buf.data(), (size_t)n);
        CString dir = exe.substr(0, exe.rfind('/'));
        folders.push_back(dir);
        folders.push_back(dir + "/../share/kestrum");
    }
    Dl_info info {};
    if (::dladdr((void*)&DataFolders, &info) && info.dli_fname) {
        CString lib = info.dli_fname;
        size_t slash = lib.rfind('/');
        CString dir = slash == CString::npos ? CString(".") : lib.substr(0, slash);
        folders.push_back(dir + "/../share/kestrum");
    }
#ifdef KESTRUM_DATA_DIR
    folders.push_back(KESTRUM_DATA_DIR);
#endif
    return folders;
}

}  // namespace

CString Path(const CString& name)
{
    CString folder, file;
    size_t sep = LastSeparator(name);
    if (sep == CString::npos) {
        folder = CurrentFolder();
        file = name;
    } else {
        folder = Slashes(name.substr(0, sep));
        if (folder.empty()) folder = "/";
        else if (folder[0] != '/') folder = Join(CurrentFolder(), folder);
        file = name.substr(sep + 1);
    }
    CString result;
    if (file.empty()) return result;
    if (Search(folder, file, FirstRule, result)) return result;
    for (const CString& data : DataFolders()) {
        // Data folders hold the files themselves; nothing is searched below them.
        struct stat st {};
        if (::stat(data.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) continue;
        DIR* dir = ::opendir(data.c_str());
        if (!dir) continue;
        std::vector<CString> names;
        while (dirent* d = ::readdir(dir)) names.emplace_back(d->d_name);
        ::closedir(dir);
        std::sort(names.begin(), names.end());
        for (const CString& n : names) {
            if (n == "." || n == ".." || !FirstRule(n, file)) continue;
            CString full = Join(data, n);
            struct stat fs {};
            if (::stat(full.c_str(), &fs) == 0 && !S_ISDIR(fs.st_mode)) {
                char real[PATH_MAX];
                return ::realpath(full.c_str(), real) ? CString(real) : full;
            }
        }
    }
    return result;
}

CString Path(const char* name)
{
    return Path(CString(name ? name : ""));
}

void FindFile(const CString& folder, const CString& name, CString& result)
{
    Search(folder.empty() ? CurrentFolder() : Slashes(folder), name, FirstRule, result);
}

void FindFile(CString name, CString& result)
{
    Search(CurrentFolder(), name, SecondRule, result);
}

int Exists(CString path)
{
    size_t sep = LastSeparator(path);
    CString folder = sep == CString::npos ? CurrentFolder() : Slashes(path.substr(0, sep));
    if (sep != CString::npos && folder.empty()) folder = "/";
    CString file = sep == CString::npos ? path : path.substr(sep + 1);
    CString result;
    return Search(folder, file, SecondRule, result) ? 1 : 0;
}

void MkDir(CString folder)
{
    folder = Slashes(folder);
    if (!folder.empty()) ::mkdir(folder.c_str(), 0777);
}

void MakeDir(const CString& folder)
{
    CString f = Slashes(folder);
    if (!f.empty() && f.back() == '/') f.pop_back();
    if (f.empty()) return;
    size_t sep = f.rfind('/');
    if (sep != CString::npos && sep > 0) {
        CString parent = f.substr(0, sep);
        struct stat st {};
        // A drive prefix ("D:") is not a folder to make.
        bool drive = parent.size() == 2 && parent[1] == ':';
        if (!drive && ::stat(parent.c_str(), &st) != 0) MakeDir(parent);
    }
    ::mkdir(f.c_str(), 0777);
}

void SpawnNoWait(const CString& command)
{
    if (command.empty()) return;
    size_t sep = command.find_first_of(" \t");
    CString program = sep == CString::npos ? command : command.substr(0, sep);
    CString args = sep == CString::npos ? CString() : command.substr(sep + 1);
    if (program.empty()) return;
    QStringList list;
    if (!args.empty()) list << ToQt(args);
    QProcess::startDetached(ToQt(Slashes(program)), list);
}

void DisplayError(const char* caption)
{
    int code = errno;
    // Callers mark their captions in context "Kestrum".
    AfxMessageBox(std::strerror(code), MB_OK | MB_ICONINFORMATION,
                  caption ? FromQt(QCoreApplication::translate("Kestrum", caption)) : CString());
}

double SystemTime()
{
    timespec ts {};
    ::clock_gettime(CLOCK_REALTIME, &ts);
    return (double)ts.tv_sec + (double)(ts.tv_nsec / 1000000) * 0.001;
}

unsigned long Millisecond()
{
    timespec ts {};
    ::clock_gettime(CLOCK_REALTIME, &ts);
    int64_t day = ts.tv_sec % 86400;
    if (day < 0) day += 86400;
    return (unsigned long)(day * 1000 + ts.tv_nsec / 1000000);
}

CString TimeTag(unsigned long ms)
{
    ms %= 86400000UL;
    return StrFormat("%d:%d:%d.%03d", (int)(ms / 3600000), (int)(ms / 60000 % 60), (int)(ms / 1000 % 60),
                     (int)(ms % 1000));
}

CString TimeTag()
{
    return TimeTag(Millisecond());
}

void SetTextHeight(QPainter& dc, int height)
{
    QFont font(QStringLiteral("Arial"));
    if (height > 0) font.setPointSizeF(height / 10.0);
    font.setWeight(QFont::Light);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    dc.setFont(font);
}

namespace {
CString Browse(const CString& title, const CString& folder)
{
    QFileDialog dialog(nullptr, ToQt(title), ToQt(Slashes(folder)));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // "Here" need not exist: opening a folder and accepting "Here" picks that folder.
    dialog.setFileMode(QFileDialog::AnyFile);
    // The "Here" convention needs the dialog's own name box; system dialogs may not offer one.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.selectFile(QStringLiteral("Here"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return "Here";
    return FromQt(dialog.selectedFiles().first());
}
}  // namespace

CString BrouseFileName(CString title, CString folder)
{
    return Browse(title, folder);
}

CString BrousePathName(CString title, CString folder)
{
    CString chosen = Browse(title, folder);
    if (chosen == "Here") return chosen;
    size_t sep = LastSeparator(chosen);
    return sep == CString::npos ? chosen : chosen.substr(0, sep + 1);
}

// ---- arithmetic -----------------------------------------------------------------------------

namespace {
int ToInt(double t)
{
    if (!(t > (double)INT_MIN)) return INT_MIN;
    if (!(t < (double)INT_MAX)) return INT_MAX;
    return (int)t;
}
}  // namespace

int Floor(double v)
{
    double t = std::trunc(v);
    if (v < 0 && t != v) t -= 1;
    return ToInt(t);
}

int Floor(float v) { return Floor((double)v); }

int Ceiling(double v)
{
    double t = std::trunc(v);
    if (v >= 0 && t != v) t += 1;
    return ToInt(t);
}

int Ceiling(float v) { return Ceiling((double)v); }

int Floor(int a, int b)
{
    if (b == 0) return 0;
    if (b == -1) return a == INT_MIN ? INT_MAX : -a;
    int q = a / b, r = a % b;
    if (r != 0 && ((r < 0) != (b < 0))) --q;
    return q;
}

int Ceiling(int a, int b)
{
    if (b == 0) return 0;
    if (b == -1) return a == INT_MIN ? INT_MAX : -a;
    int q = a / b, r = a % b;
    if (r != 0 && ((r < 0) == (b < 0))) ++q;
    return q;
}

double rnddn(double a, double b)
{
    if (b == 0) return a;
    return b * std::floor(a / b);
}

double rndup(double a, double b)
{
    return rnddn(a, b) + b;
}

// ---- process-wide flags ---------------------------------------------------------------------

namespace {
uint32_t g_flags = 0;
}

int Bit(int n)
{
    return (int)(1u << (n & 31));
}

// Set and Clear return the bit's state before the call.
bool Set(int n)
{
    bool was = (g_flags & (uint32_t)Bit(n)) != 0;
    g_flags |= (uint32_t)Bit(n);
    return was;
}

bool Clear(int n)
{
    bool was = (g_flags & (uint32_t)Bit(n)) != 0;
    g_flags &= ~(uint32_t)Bit(n);
    return was;
}

bool Test(int n)
{
    return (g_flags & (uint32_t)Bit(n)) != 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "kestrum/settings.h"

#include <charconv>
#include <cstdint>
#include <cstring>
#include "platform/Settings.h"

namespace {

// Reals travel as "%f" text, written and read without the process locale.
CString RealText(double v)
{
    char buf[400];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 6);
    if (r.ec != std::errc()) return "0.000000";
    return CString(buf, r.ptr);
}

double RealValue(const CString& text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    if (i < text.size() && text[i] == '+') ++i;
    double v = 0;
    auto r = std::from_chars(text.data() + i, text.data() + text.size(), v);
    return r.ec == std::errc() ? v : 0.0;
}

bool SameLetters(const CString& a, const char* b)
{
    size_t n = std::strlen(b);
    if (a.size() != n) return false;
    for (size_t i = 0; i < n; ++i) {
        char c = a[i];
        if (c >= 'A' && c <= 'Z') c = (char)(c - 'A' + 'a');
        if (c != b[i]) return false;
    }
    return true;
}

int ReadInt(const CString& section, const CString& key, int32_t def)
{
    return AppSettings().GetInt(section, key, def);
}

void WriteInt(const CString& section, const CString& key, int32_t v)
{
    AppSettings().WriteInt(section, key, v);
}

}  // namespace

int& GetProfile(const CString& section, const CString& key, int& v)
{
    return v = ReadInt(section, key, v);
}

unsigned int& GetProfile(const CString& section, const CString& key, unsigned int& v)
{
    return v = (uint32_t)ReadInt(section, key, (int32_t)v);
}

// long is wider than the stored value here: a missing value must not cut the variable.
long& GetProfile(const CString& section, const CString& key, long& v)
{
    if (!AppSettings().Contains(section, key)) return v;
    return v = ReadInt(section, key, (int32_t)v);
}

unsigned long& GetProfile(const CString& section, const CString& key, unsigned long& v)
{
    if (!AppSettings().Contains(section, key)) return v;
    return v = (uint32_t)ReadInt(section, key, (int32_t)v);
}

short& GetProfile(const CString& section, const CString& key, short& v)
{
    return v = (short)ReadInt(section, key, v);
}

unsigned short& GetProfile(const CString& section, const CString& key, unsigned short& v)
{
    return v = (unsigned short)ReadInt(section, key, v);
}

char& GetProfile(const CString& section, const CString& key, char& v)
{
    return v = (char)ReadInt(section, key, (signed char)v);
}

unsigned char& GetProfile(const CString& section, const CString& key, unsigned char& v)
{
    return v = (unsigned char)ReadInt(section, key, v);
}

void* GetProfile(const CString& section, const CString& key, void* p)
{
    if (!p) return p;
    int32_t v;
    std::memcpy(&v, p, sizeof v);
    v = ReadInt(section, key, v);
    std::memcpy(p, &v, sizeof v);
    return p;
}

double& GetProfile(const CString& section, const CString& key, double& v)
{
    return v = RealValue(AppSettings().GetString(section, key, RealText(v)));
}

float& GetProfile(const CString& section, const CString& key, float& v)
{
    return v = (float)RealValue(AppSettings().GetString(section, key, RealText(v)));
}

CString& GetProfile(const CString& section, const CString& key, CString& v)
{
    return v = AppSettings().GetString(section, key, v);
}

bool& GetProfile(const CString& section, const CString& key, bool& v)
{
    return v = SameLetters(AppSettings().GetString(section, key, v ? "true" : "false"), "true");
}

long GetProfile(const CString& section, const CString& key)
{
    return ReadInt(section, key, 0);
}

void SetProfile(const CString& section, const CString& key, const int& v) { WriteInt(section, key, v); }
void SetProfile(const CString& section, const CString& key, const unsigned int& v) { WriteInt(section, key, (int32_t)v); }
void SetProfile(const CString& section, const CString& key, const long& v) { WriteInt(section, key, (int32_t)v); }
void SetProfile(const CString& section, const CString& key, const unsigned long& v) { WriteInt(section, key, (int32_t)(uint32_t)v); }
void SetProfile(const CString& section, const CString& key, const short& v) { WriteInt(section, key, v); }
void SetProfile(const CString& section, const CString& key, const unsigned short& v) { WriteInt(section, key, v); }
void SetProfile(const CString& section, const CString& key, const char& v) { WriteInt(section, key, (signed char)v); }
void SetProfile(const CString& section, const CString& key, const unsigned char& v) { WriteInt(section, key, v); }

void SetProfile(const CString& section, const CString& key, void* p)
{
    if (!p) return;
    int32_t v;
    std::memcpy(&v, p, sizeof v);
    WriteInt(section, key, v);
}

void SetProfile(const CString& section, const CString& key, const double& v)
{
    AppSettings().WriteString(section, key, RealText(v));
}

void SetProfile(const CString& section, const CString& key, const float& v)
{
    AppSettings().WriteString(section, key, RealText(v));
}

void SetProfile(const CString& section, const CString& key, const CString& v)
{
    AppSettings().WriteString(section, key, v);
}

void SetProfile(const CString& section, const CString& key, const char* v)
{
    AppSettings().WriteString(section, key, v ? CString(v) : CString());
}

void SetProfile(const CString& section, const CString& key, const bool& v)
{
    AppSettings().WriteString(section, key, v ? "true" : "false");
}

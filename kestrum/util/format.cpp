// SPDX-License-Identifier: GPL-3.0-or-later
#include "kestrum/format.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

// "%.1f" without the process locale: stored and shown texts always use a point.
CString Fixed1(double m)
{
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, m, std::chars_format::fixed, 1);
    return CString(buf, r.ptr);
}

CString Prefixed(bool negative, double m, char letter)
{
    CString s = negative ? "-" : "";
    s += Fixed1(m);
    s += letter;
    return s;
}

CString IntegerText(bool negative, uint64_t mag)
{
    if (mag <= 1024) return (negative && mag ? "-" : "") + std::to_string(mag);
    static const char kLetters[] = "KMGTPE";
    double m = (double)mag;
    int k = 0;
    while (m > 1024 && k < 6) {
        m /= 1024;
        ++k;
    }
    return Prefixed(negative, m, kLetters[k - 1]);
}

uint64_t Magnitude(int64_t v)
{
    return v < 0 ? (uint64_t)0 - (uint64_t)v : (uint64_t)v;
}

CString Signed(int64_t v)
{
    return IntegerText(v < 0, Magnitude(v));
}

// Angle from the form's sign letters and a magnitude in thousandths of a second of arc.
CString Angle(int form, bool negative, uint64_t thousandths, const char* degree)
{
    char sign = negative ? (char)(form & 0xFF) : (char)((form >> 8) & 0xFF);
    CString s;
    if (sign) s += sign;
    uint64_t degrees = thousandths / 3600000;
    int minutes = (int)(thousandths / 60000 % 60);
    int below = (int)(thousandths % 60000);
    s += std::to_string(degrees);
    s += degree;
    if (below != 0) {
        int sec = below / 1000, frac = below % 1000;
        s += StrFormat("%02d'%02d", minutes, sec);
        if (frac % 100 == 0 && frac != 0)
            s += StrFormat(".%01d", frac / 100);
        else if (frac % 10 == 0 && frac != 0)
            s += StrFormat(".%02d", frac / 10);
        else if (frac != 0)
            s += StrFormat(".%03d", frac);
        s += '"';
    } else if (minutes != 0) {
        s += StrFormat("%02d'", minutes);
    }
    return s;
}

bool OneOf(char c, const char* set)
{
    for (; *set; ++set)
        if (*set == c) return true;
    return false;
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

double Scale(int level)
{
    switch (level) {
    case 0: return 1.0;
    case 1: return 1.0 / 60.0;
    case 2: return 1.0 / 3600.0;
    default: return 0.0;
    }
}

}  // namespace

CString String(int v) { return Signed(v); }
CString String(long v) { return Signed(v); }
CString String(short v) { return Signed(v); }
CString String(char v) { return Signed((signed char)v); }
CString String(unsigned int v) { return IntegerText(false, v); }
CString String(unsigned long v) { return IntegerText(false, v); }
CString String(unsigned short v) { return IntegerText(false, v); }
CString String(unsigned char v) { return IntegerText(false, v); }

CString String(double x)
{
    double m = std::fabs(x);
    bool neg = x < 0;
    if (m >= 1e18) return "Large";
    if (m == 0) return "Zero";
    if (std::isnan(m)) return "Zero";
    if (m >= 0.1 && m <= 1000) return Prefixed(neg, m, ' ');
    if (m > 1000) {
        static const char kLetters[] = "KMGTQ";
        int k = 0;
        while (m > 1000 && k < 5) {
            m /= 1000;
            ++k;
        }
        return Prefixed(neg, m, kLetters[k - 1]);
    }
    static const char kSmall[] = "mun";
    int k = 0;
    while (m < 1) {
        if (k == 3) return "Small";
        m *= 1000;
        ++k;
    }
    return Prefixed(neg, m, kSmall[k - 1]);
}

CString String(float v) { return String((double)v); }

CString String(int form, int seconds)
{
    return Angle(form, seconds < 0, Magnitude(seconds) * 1000, "\xB0");
}

CString String(int form, double degrees)
{
    double s = std::round(degrees * 3600.0);  // halves away from zero
    if (!(std::fabs(s) < 9.2e18)) s = 0;
    return Angle(form, s < 0, Magnitude((int64_t)s) * 1000, "\xB0");
}

CString String(int form, long thousandths)
{
    return Angle(form, thousandths < 0, Magnitude(thousandths), "\xB0");
}

CString String(int form, unsigned long thousandths)
{
    return Angle(form, false, thousandths, " ");
}

CString String(CTimeSpan span)
{
    int64_t t = span.GetTotalSeconds();
    int64_t days = t / 86400;
    int64_t hours = t / 3600 - 24 * days;
    int64_t minutes = t / 60 - 60 * (t / 3600);
    int64_t seconds = t % 60;
    // Whole 365-day years, and the days beyond them, so that both agree at every year's end.
    int64_t years = days / 365;
    int64_t shown = days % 365;
    const int64_t parts[5] = {years, shown, hours, minutes, seconds};
    const char* units[5] = {"y ", "d ", "h ", "m ", "s "};
    CString s;
    bool started = false;
    for (int i = 0; i < 5; ++i) {
        if (!started && parts[i] == 0) continue;
        started = true;
        s += Signed(parts[i]) + units[i];
    }
    return s;
}

CString itoa(int v) { return std::to_string(v); }

int StripInt(CString& text)
{
    uint32_t v = 0;
    size_t i = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        v = v * 10 + (uint32_t)(text[i] - '0');
        ++i;
    }
    text.erase(0, i);
    return (int)v;
}

char LastChar(const CString& text)
{
    return text.empty() ? 0 : text.back();
}

double Decode(CString text)
{
    size_t b = 0, e = text.size();
    while (b < e && IsSpace(text[b])) ++b;
    while (e > b && IsSpace(text[e - 1])) --e;
    text = text.substr(b, e - b);
    if (text.empty()) return 0;

    bool neg = false;
    const char* kNeg = "-SWsw";
    const char* kPos = "+NEne";
    if (OneOf(text[0], kNeg)) {
        neg = true;
        text.erase(0, 1);
    } else if (OneOf(text[0], kPos)) {
        text.erase(0, 1);
    } else if (OneOf(text.back(), kNeg)) {
        neg = true;
        text.pop_back();
    } else if (OneOf(text.back(), kPos)) {
        text.pop_back();
    }

    int n = StripInt(text);
    if (text.empty()) return neg ? -(double)n : (double)n;

    if (n == 0) {
        char c = text[0];
        if (c == 'x' || c == 'X') {
            // The bare hexadecimal value: a sign letter does not apply to it.
            uint64_t h = 0;
            for (size_t i = 1; i < text.size(); ++i) {
                char d = text[i];
                int v;
                if (d >= '0' && d <= '9') v = d - '0';
                else if (d >= 'a' && d <= 'f') v = d - 'a' + 10;
                else if (d >= 'A' && d <= 'F') v = d - 'A' + 10;
                else break;
                h = h * 16 + (uint64_t)v;
            }
            return (double)h;
        }
        if (c == 'T' || c == 't') return 1;
        if (c == 'F' || c == 'f') return 0;
    }

    double a = 0;
    int level = 0;
    bool stopped = false;
    while (!text.empty()) {
        unsigned char c = (unsigned char)text[0];
        size_t markLen = 1;
        if (c == 0xB0 || (c == 0xC2 && text.size() > 1 && (unsigned char)text[1] == 0xB0)) {
            if (c == 0xC2) markLen = 2;
            a += n;
            level = 1;
        } else if (c == '\'') {
            a += n / 60.0;
            level = 2;
        } else if (c == '"') {
            a += n / 3600.0;
            level = 3;
        } else if (c == ':') {
            a += n * Scale(level);
            ++level;
        } else if (c == '.') {
            // Fraction, then an optional exponent that scales the whole number ("1.5e3" is 1500).
            size_t i = 1;
            double frac = 0, unit = 0.1;
            while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
                frac += (text[i] - '0') * unit;
                unit /= 10;
                ++i;
            }
            int exponent = 0;
            if (i < text.size() && OneOf(text[i], "dDeE")) {
                size_t j = i + 1;
                bool eneg = false;
                if (j < text.size() && (text[j] == '+' || text[j] == '-')) eneg = text[j++] == '-';
                if (j < text.size() && text[j] >= '0' && text[j] <= '9') {
                    int ev = 0;
                    while (j < text.size() && text[j] >= '0' && text[j] <= '9') {
                        if (ev < 10000) ev = ev * 10 + (text[j] - '0');
                        ++j;
                    }
                    exponent = eneg ? -ev : ev;
                }
            }
            // A zero, or a field past the seconds, adds nothing whatever its exponent (0 x inf is NaN).
            const double mantissa = n + frac, scale = Scale(level);
            if (mantissa != 0 && scale != 0) a += mantissa * std::pow(10.0, exponent) * scale;
            size_t run = 0;
            while (run < text.size() && OneOf(text[run], ".0123456789dDeE+-")) ++run;
            if (run < text.size() && text[run] == ':') {
                ++run;
                ++level;
            }
            text.erase(0, run);
            n = StripInt(text);
            continue;
        } else {
            double factor = 0;
            switch (c) {
            case 'K': factor = 1e3; break;
            case 'M': factor = 1e6; break;
            case 'G': factor = 1e9; break;
            case 'T': factor = 1e12; break;
            case 'm': factor = 1e-3; break;
            case 'u': factor = 1e-6; break;
            case 'n': factor = 1e-9; break;
            default: break;
            }
            a += n * Scale(level);
            if (factor != 0) a *= factor;
            stopped = true;
            break;
        }
        text.erase(0, markLen);
        n = StripInt(text);
    }
    if (!stopped) a += n * Scale(level);
    return neg ? -a : a;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Linked into every test program: the tests run in the plain C locale and in English whatever the
// machine's or the user's LANG and LANGUAGE, before anything (Qt included) reads them. A test of
// the locale rules sets its own values afterwards.
#include <cstdlib>

namespace {
const bool kPlainLocale = [] {
    setenv("LC_ALL", "C.UTF-8", 1);
    setenv("LANGUAGE", "", 1);
    return true;
}();
}  // namespace

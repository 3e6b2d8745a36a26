// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Typed values in the calling program's settings store; each Get falls back to the variable's own value.
#include "platform/CString.h"
#include "kestrum/export.h"

KESTRUM_API int& GetProfile(const CString& section, const CString& key, int& v);
KESTRUM_API unsigned int& GetProfile(const CString& section, const CString& key, unsigned int& v);
KESTRUM_API long& GetProfile(const CString& section, const CString& key, long& v);
KESTRUM_API unsigned long& GetProfile(const CString& section, const CString& key, unsigned long& v);
KESTRUM_API short& GetProfile(const CString& section, const CString& key, short& v);
KESTRUM_API unsigned short& GetProfile(const CString& section, const CString& key, unsigned short& v);
KESTRUM_API char& GetProfile(const CString& section, const CString& key, char& v);
KESTRUM_API unsigned char& GetProfile(const CString& section, const CString& key, unsigned char& v);
KESTRUM_API void* GetProfile(const CString& section, const CString& key, void* p);
KESTRUM_API double& GetProfile(const CString& section, const CString& key, double& v);
KESTRUM_API float& GetProfile(const CString& section, const CString& key, float& v);
KESTRUM_API CString& GetProfile(const CString& section, const CString& key, CString& v);
KESTRUM_API bool& GetProfile(const CString& section, const CString& key, bool& v);
KESTRUM_API long GetProfile(const CString& section, const CString& key);

KESTRUM_API void SetProfile(const CString& section, const CString& key, const int& v);
KESTRUM_API void SetProfile(const CString& section, const CString& key, const unsigned int& v);
KESTRUM_API void SetProfile(const CString& section, const CString& key, const long& v);
KESTRUM_API void SetProfile(const CString& section, const CString& key, const unsigned long& v);
KESTRUM_API void SetProfile(const CString& section, const CString& key, const short& v);
KESTRUM_API void SetProfile(const CString& section, const CString& key, const unsigned short& v);
KESTRUM_API void SetProfile(const CString& section, const CString& key, const char& v);
KESTRUM_API void SetProfile(const CString& section, const CString& key, const unsigned char& v);
KESTRUM_API void SetProfile(const CString& section, const CString& key, void* p);
KESTRUM_API void SetProfile(const CString& section, const CString& key, const double& v);
KESTRUM_API void SetProfile(const CString& section, const CString& key, const float& v);
KESTRUM_API void SetProfile(const CString& section, const CString& key, const CString& v);
// Keeps a literal text from turning into the bool overload.
KESTRUM_API void SetProfile(const CString& section, const CString& key, const char* v);
KESTRUM_API void SetProfile(const CString& section, const CString& key, const bool& v);

// SPDX-License-Identifier: GPL-3.0-or-later
// The text reader in its line style: whole lines, raw characters and blocks over any file.
#include <cstddef>
#include <cstdint>
#include "FuzzInput.h"
#include "kestrum/readonly.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MemFile file(data, size);
    CReadOnly reader(file.Name());
    FUZZ_CHECK(reader.Opened());
    size_t total = 0;
    for (int guard = 0; !reader.eof(); ++guard) {
        FUZZ_CHECK(guard <= (int)size + 1);
        CString line = reader.GetLine();
        FUZZ_CHECK(line.size() <= (size_t)CReadOnly::MaxLine);
        total += line.size();
        if (line.size() % 7 == 3) {
            char buf[17];
            reader.Read(buf, sizeof buf);
        } else if (line.size() % 7 == 5) {
            (void)reader.Get();
        }
    }
    FUZZ_CHECK(total <= size);
    return 0;
}

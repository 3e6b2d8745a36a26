// SPDX-License-Identifier: GPL-3.0-or-later
// The text reader in its lexer style: the first bytes choose the reads (tokens, strings, quotes,
// numbers, put-backs, line skips), the rest is the file.
#include <fuzzer/FuzzedDataProvider.h>
#include <cstddef>
#include <cstdint>
#include <vector>
#include "FuzzInput.h"
#include "kestrum/readonly.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider fdp(data, size);
    std::vector<uint8_t> ops = fdp.ConsumeBytes<uint8_t>(fdp.ConsumeIntegralInRange<size_t>(0, 64));
    std::vector<uint8_t> body = fdp.ConsumeRemainingBytes<uint8_t>();
    MemFile file(body.data(), body.size());
    CReadOnly reader(file.Name());
    size_t taken = 0;
    for (int round = 0; round < 4 && !reader.eof(); ++round) {
        for (uint8_t op : ops) {
            switch (op % 16) {
            case 0: { CToken t; reader.Get(t); taken += t.size(); break; }
            case 1: { CString s; reader.Get(s); taken += s.size(); break; }
            case 2: { Quote q; reader.Get(q); taken += q.size(); break; }
            case 3: { int v; reader.Get(v); break; }
            case 4: { unsigned long v; reader.Get(v); break; }
            case 5: { short v; reader.Get(v); break; }
            case 6: { double v; reader.Get(v); break; }
            case 7: { float v; reader.Get(v); break; }
            case 8: { char c; reader.Get(c); break; }
            // Put-backs in runs, longer than the room kept for them.
            case 9: for (int i = 0; i < op / 16 * 4 + 1; ++i) reader.PutBack((char)op); break;
            case 10: reader.SkipToNextLine(); break;
            case 11: reader.EatWhite(); (void)reader.EndOfLine(); break;
            case 12: { char buf[40]; reader.Get(buf, 1 + op / 16 * 2); break; }
            case 13: { CString line = reader.GetLine(); FUZZ_CHECK(line.size() <= (size_t)CReadOnly::MaxLine); break; }
            case 14: { unsigned short v; reader.Get(v); long l; reader.Get(l); break; }
            case 15: { char buf[64]; reader.Read(buf, 1 + op / 16 * 4); break; }
            }
        }
        if (ops.empty()) break;
    }
    (void)taken;
    return 0;
}

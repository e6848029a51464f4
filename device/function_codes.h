#pragma once
#include <cstdint>

// The 4 button-table bytes of a function code; 0, 0, 0, 0 for a code the table does not list
// (the same as "Button Off").
struct ButtonEntryBytes {
    uint8_t b[4];
};
ButtonEntryBytes functionEntryBytes(int functionCode);

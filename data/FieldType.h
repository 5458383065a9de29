#pragma once

// What the program treats a field as.
enum class FieldType {
    Text,        // free text
    Date,        // a calendar day, stored as yyyy-MM-dd
    WholeNumber, // a signed 32-bit whole number
    Number,      // a real number
    Counter,     // a whole-number identifier the store assigns (NoID)
    Serial,      // a three-digit text key the store assigns (NoTransaksi)
};

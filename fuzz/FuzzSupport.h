#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// What every fuzz target shares: the application object the logic's event loop needs, the
// failure that stops the fuzzer, and the bytes as the record files and the chat carry them.

// Creates the application object once per process.
void FuzzStartUp();

// Stops the fuzzer with the property that broke; the input is kept as the crash file.
[[noreturn]] void FuzzFail(const char* property, const QString& detail = {});

#define FUZZ_CHECK(condition, detail)                                                              \
    do {                                                                                           \
        if (!(condition))                                                                          \
            FuzzFail(#condition, detail);                                                          \
    } while (false)

QByteArray FuzzBytes(const std::uint8_t* data, std::size_t size);

// The bytes as 8-bit Windows-1252 text, as the record files hold them.
QString FuzzText(const std::uint8_t* data, std::size_t size);

// Writes the bytes as they are; stops the fuzzer when that fails, as nothing could be tested.
void WriteFuzzFile(const QString& path, const QByteArray& bytes);
QByteArray ReadFuzzFile(const QString& path);

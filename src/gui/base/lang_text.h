#pragma once

#include <QString>

#include <cstdint>

// The text of a language text number as a Qt string (the language files are UTF-8).
QString LangText(std::int32_t number);

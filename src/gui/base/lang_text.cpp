#include "gui/base/lang_text.h"

#include "core/base/lang_texts.h"

QString LangText(std::int32_t number)
{
    return QString::fromStdString(GetLangText(number));
}

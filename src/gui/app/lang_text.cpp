#include "app/lang_text.h"

#include "app/lang_texts.h"

QString LangText(std::int32_t number)
{
    return QString::fromStdString(GetLangText(number));
}

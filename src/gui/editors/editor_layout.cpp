#include "gui/editors/editor_layout.h"

#include "gui/base/twips.h"

QRect TwipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

#pragma once

#include <QString>

class Document;
struct ChannelClip;

// Copied channels as tab-separated text with a header row, for a
// spreadsheet or a text editor: the position, the frequency, the fields the
// grid shows and the tones, as the program shows them.
QString ChannelTableText(const Document& doc, int group, int firstPosition, const ChannelClip& clip);

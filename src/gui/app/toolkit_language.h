#pragma once

// The toolkit's own texts (the file dialogs, the context menus of text
// boxes) follow the language the user chose: for Chinese the toolkit's
// Chinese translation is loaded, for English none is needed.
// Returns false when the translation is wanted but not installed; the
// toolkit then speaks English.
bool ApplyToolkitLanguage(int languageId);

#pragma once

// The toolkit's own texts (the file dialogs, the context menus of text
// boxes) follow the language the user chose: the toolkit's translation named
// in the language table is loaded; English needs none.
// Returns false when the translation is wanted but not installed; the
// toolkit then speaks English.
bool ApplyToolkitLanguage(int languageId);

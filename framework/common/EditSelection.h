#pragma once
// What the shared framework code asks of a back-end's edit fields.

class CWnd;

// Selects all of an edit field's text, so that what the user types next replaces it. A window
// that is no edit field is left as it is.
void SelectWholeText(CWnd& edit);

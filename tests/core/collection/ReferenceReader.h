#pragma once
#include <string>

class CollectionNodeList;

// The token rule of the bookmark format written down as plainly as possible:
// every token searched from the cursor to the end of the text at every step,
// one recursive call per list. Quadratic, and only here to prove the real
// reader right.
bool ReferenceRead(const std::string& text, CollectionNodeList& list);

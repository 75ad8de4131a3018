#pragma once

#include <string>

namespace SampleData {

// The bytes of a collection file (file2.dtt) of `rows` cards as the Windows program would have
// saved it: nine lines a card, CR LF after every line, Windows-1252. The same rows come out on
// every call.
std::string collectionFile(int rows);

} // namespace SampleData

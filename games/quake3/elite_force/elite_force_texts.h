// Elite Force's messages in the string table (each the English row; German and Afrikaans
// follow).
#pragma once

namespace kalv::stveftext {

constexpr int kProtocol24 = 137;
constexpr int kProtocol22 = 140;
// "Demo Protocol", the demo's protocol, " - " and the unknown-protocol warning.
constexpr int kProtocolWord = 143;
constexpr int kProtocolUnknown = 146;

}  // namespace kalv::stveftext

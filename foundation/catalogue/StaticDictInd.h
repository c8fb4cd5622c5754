#pragma once
// The static token index: every token constant registers its text here while
// the program is initialised, so start-up can refuse a text registered twice
// and the dictionary can prove it translates every token the code uses.
#include <list>
#include <set>
#include <string>

namespace PardeloStravon {

class StaticDictInd {
 public:
  // A text already held is not inserted again but listed as a repeat.
  void Register(const std::wstring& token);
  const std::set<std::wstring>& Tokens() const { return tokens_; }
  const std::list<std::wstring>& Repeated() const { return repeated_; }
  // Each repeat in single quotes, in order of registration, joined by commas.
  std::wstring RepeatedText() const;

 private:
  std::set<std::wstring> tokens_;
  std::list<std::wstring> repeated_;
};

// The process-wide index. Built on first use, so token constants may
// register from any unit during static initialisation.
StaticDictInd& TheStaticDictInd();

// Registers the text in the process-wide index and returns it, as the value
// of the token constant being initialised.
std::wstring RegisterToken(const std::wstring& token);

// The repeated-token text of the process-wide index; empty when no text was
// registered twice.
std::wstring RepeatedTokens();

// Every token text the program registered.
const std::set<std::wstring>& RegisteredTokens();

}  // namespace PardeloStravon

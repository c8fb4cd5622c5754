// Cut and damaged XML archives fail with an error naming the file; none
// ends the program.
#include <gtest/gtest.h>

#include <boost/archive/xml_wiarchive.hpp>
#include <boost/archive/xml_woarchive.hpp>
#include <boost/serialization/nvp.hpp>
#include <boost/serialization/string.hpp>
#include <sstream>
#include <string>

#include "foundation/core/XmlArchiveRead.h"

using namespace PardeloStravon;

namespace {

struct Pair {
  std::wstring name = L"none";
  int count = 0;

  template <class Archive>
  void serialize(Archive& ar, const unsigned int) {
    ar& BOOST_SERIALIZATION_NVP(name);
    ar& BOOST_SERIALIZATION_NVP(count);
  }
};

std::wstring Saved() {
  std::wostringstream os;
  {
    boost::archive::xml_woarchive oa(os);
    const Pair p{L"room 5", 42};
    oa << boost::serialization::make_nvp("Pair", p);
  }
  return os.str();
}

const std::wstring Source = L"the test file /tmp/x.xml";

// What a read from `text` gives: the error's text, or "" with `p` filled.
std::string Read(const std::wstring& text, Pair& p) {
  std::wistringstream is(text);
  try {
    ReadXmlArchive(is, Source, [&](boost::archive::xml_wiarchive& ar) {
      Pair read;
      ar >> boost::serialization::make_nvp("Pair", read);
      p = read;
    });
  } catch (const XmlArchiveError& e) {
    return e.what();
  }
  return "";
}

std::wstring Cut(const std::wstring& text, const std::wstring& after) {
  return text.substr(0, text.find(after) + after.size());
}

std::wstring Replaced(std::wstring text, const std::wstring& what, const std::wstring& with) {
  return text.replace(text.find(what), what.size(), with);
}

}  // namespace

TEST(XmlArchiveRead, WholeArchive_Reads) {
  const std::wstring saved = Saved();
  const std::wstring texts[] = {
      saved,
      Replaced(saved, L"</boost_serialization>\n", L"</boost_serialization >\r\n\r\n"),
      Replaced(saved, L"\n</boost_serialization>\n", L"</boost_serialization>"),
  };
  for (const std::wstring& text : texts) {
    Pair p;
    EXPECT_EQ(Read(text, p), "");
    EXPECT_EQ(p.name, L"room 5");
    EXPECT_EQ(p.count, 42);
  }
}

TEST(XmlArchiveRead, CutOrDamagedArchive_FailsNamingTheFile) {
  const std::wstring saved = Saved();
  const struct {
    const char* name;
    std::wstring text;
  } cases[] = {
      {"cut after the object", Cut(saved, L"</Pair>")},
      {"cut after the object and its line end", Cut(saved, L"</Pair>\n")},
      {"cut inside the end tag", Cut(saved, L"</boost_ser")},
      {"damaged end tag", Replaced(saved, L"</boost_serialization>", L"</boost_serialisation>")},
      {"end tag without its bracket", Replaced(saved, L"</boost_serialization>", L"</boost_serialization")},
      {"text after the end tag", saved + L"<more/>\n"},
      {"cut inside a value", Cut(saved, L"<name>roo")},
      {"cut inside a tag", Cut(saved, L"<cou")},
      {"empty", L""},
      {"another program's file", L"<?xml version=\"1.0\"?>\n<settings><a>1</a></settings>\n"},
      {"plain text", L"room=5\ncount=42\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Pair p;
    const std::string error = Read(c.text, p);
    EXPECT_NE(error.find(" in the test file /tmp/x.xml"), std::string::npos) << error;
  }
}

TEST(XmlArchiveRead, ErrorOfTheReader_PassesUnchanged) {
  std::wistringstream is(Saved());
  EXPECT_THROW(ReadXmlArchive(is, Source,
                              [](boost::archive::xml_wiarchive&) { throw std::range_error("mine"); }),
               std::range_error);
}

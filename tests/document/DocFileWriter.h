#pragma once
// A document file of an empty network, written by the document's own writer.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "document/QziDocF.h"
#include "document/QziDocIHlp.h"
#include "document/QziDocIStd.h"
#include "foundation/core/ImmPtr.h"
#include "foundation/core/TextConv.h"
#include "network/nodes/InstrNetOpt.h"

namespace TestSupport {

inline std::wstring WriteDocumentFile(const std::filesystem::path& file, bool rx,
                                      const std::wstring& pass) {
  using namespace PardeloStravon;
  const std::wstring path = FromUtf8(file.string());
  ImmScoped<QziDocF> content;
  CreateContent(content, nullptr);
  content->GetIStd()->NetOpt().SetRxEnabled(rx);
  if (!pass.empty()) content->GetIStd()->SetPass(pass);
  EXPECT_TRUE(content->GetIHlp()->PortableSerialize(path, true));
  return path;
}

}  // namespace TestSupport

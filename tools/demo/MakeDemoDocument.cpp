// Writes the demo's document with the document's own writer: periodic
// reception on, the three shipped instrument types at addresses 1 to 3,
// read every few seconds and recorded often, no passwords.
//   make-demo-document OUT.qzid
#include <cstdio>
#include <string>

#include "document/QziDocF.h"
#include "document/QziDocIHlp.h"
#include "document/QziDocIStd.h"
#include "foundation/catalogue/LoadResources.h"
#include "foundation/core/LogFiles.h"
#include "foundation/core/Paths.h"
#include "foundation/core/TextConv.h"
#include "network/nodes/InstrNet.h"
#include "network/nodes/InstrNetOpt.h"
#include "network/nodes/Node.h"

using namespace PardeloStravon;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make-demo-document OUT.qzid\n");
    return 2;
  }
  const std::wstring failure = LoadResources(ProgramFolder());
  if (!failure.empty()) {
    std::fprintf(stderr, "make-demo-document: the table files do not load: %s\n", ToUtf8(failure).c_str());
    return 1;
  }
  ImmScoped<QziDocF> content;
  CreateContent(content, nullptr);
  InstrNetOpt& net = content->GetIStd()->NetOpt();
  net.SetRxEnabled(true);
  struct Room {
    int address;
    const wchar_t* type;
    const wchar_t* name;
  };
  const Room rooms[] = {{1, L"TC100", L"Cold room"}, {2, L"TH200", L"Ripening room"}, {3, L"RC500", L"Store"}};
  for (const Room& room : rooms) {
    Node node(room.type);
    NodeOpt opt = node.Opt();
    opt.nm_ = room.name;
    opt.xs_ = 3;   // readings every 3 s
    opt.gs_ = 10;  // a recording line every 10 s
    node.SetOpt(opt);
    net.Network().InsertNew(room.address, node);
  }
  const std::wstring path = FromUtf8(argv[1]);
  if (!content->GetIHlp()->PortableSerialize(path, true)) {
    std::fprintf(stderr, "make-demo-document: %s was not written\n", argv[1]);
    return 1;
  }
  return 0;
}

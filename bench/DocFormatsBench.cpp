// The two document formats on a full network: 247 instruments of the
// largest shipped type at addresses 1 to 247, every document field set.
// Loads run before the worker threads start, saves while they run (with
// periodic reception off, so the line stays quiet). The file sizes are
// reported as counters.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench/BenchCatalogue.h"
#include "document/DocLegacyFormat.h"
#include "document/DocXmlFormat.h"
#include "document/QziDocF.h"
#include "document/QziDocIGph.h"
#include "document/QziDocIHlp.h"
#include "document/QziDocIMFC.h"
#include "document/QziDocIStdImpl.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/catalogue/LoadResources.h"
#include "foundation/core/FrameworkAdapters.h"
#include "foundation/core/LogFiles.h"
#include "foundation/core/Paths.h"
#include "foundation/core/TextConv.h"
#include "network/nodes/InstrNet.h"
#include "network/nodes/InstrNetOpt.h"
#include "network/nodes/Node.h"

using namespace PardeloStravon;

namespace {

std::wstring LargestType() {
  std::wstring best;
  std::size_t most = 0;
  for (const std::wstring& code : InstrCodes()) {
    const std::size_t n = InstrByCode(code).Pars().size();
    if (n > most) most = n, best = code;
  }
  return best;
}

void FillDocument(QziDocF& f) {
  GraphOptions& g = f.GetIGph()->gO_;
  g.gRGB_ = 0x112233;
  g.gphLTh_ = 0.75f;
  g.gphDAg_ = 45.0f;
  g.gphRSp_ = true;
  g.gphNFm_ = std::wstring(L"%6.2f");
  QziDocIMFC& m = *f.GetIMFC();
  LOGFONTW font = m.oLF_;
  SetFaceName(font, L"DejaVu Sans");
  m.oLF_ = font;
  m.sRGB_ = 0x445566;
  QziDocIStd::Impl& d = f.GetIStd()->GetImpl();
  d.pass_ = L"user password";
  d.passSup_ = L"supervisor password";
  d.prgRows_ = 30;
  const std::wstring code = LargestType();
  InstrNet& net = d.netOpt_->Network();
  for (int address = 1; address <= 247; ++address) {
    Node n(code);
    n.Opt().nm_ = std::wstring(L"Room ") + std::to_wstring(address);
    n.Opt().xs_ = 60 + address;
    net.InsertNew(address, n);
  }
}

struct Files {
  std::filesystem::path folder = std::filesystem::temp_directory_path() / "vantor-doc-formats-bench";
  Files() { std::filesystem::create_directories(folder); }
  ~Files() { std::filesystem::remove_all(folder); }
  std::wstring Path(const char* name) const { return FromUtf8((folder / name).string()); }
};

void Save(benchmark::State& state, const char* name, bool xml) {
  if (!Bench::LoadCatalogue()) return state.SkipWithError("the shipped tables do not load");
  Files files;
  ImmScoped<QziDocF> content;
  CreateContent(content, nullptr);
  FillDocument(*content);
  content->GetIStd()->StartThreads();
  QziDocIHlp& hlp = *content->GetIHlp();
  const std::wstring path = files.Path(name);
  for (auto _ : state) {
    const bool saved = xml ? hlp.PortableSerialize(path, true)
                           : hlp.SerializeDocLegacy(path, true) == QziDocIHlp::LegacyResult::whole;
    if (!saved) return state.SkipWithError("the save failed");
  }
  state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(NativePath(path)));
}

void Load(benchmark::State& state, const char* name, bool xml) {
  if (!Bench::LoadCatalogue()) return state.SkipWithError("the shipped tables do not load");
  Files files;
  const std::wstring path = files.Path(name);
  {
    ImmScoped<QziDocF> content;
    CreateContent(content, nullptr);
    FillDocument(*content);
    if (xml)
      content->GetIHlp()->PortableSerialize(path, true);
    else
      content->GetIHlp()->SerializeDocLegacy(path, true);
  }
  for (auto _ : state) {
    state.PauseTiming();
    ImmScoped<QziDocF> content;
    CreateContent(content, nullptr);
    state.ResumeTiming();
    const bool loaded = xml ? content->GetIHlp()->PortableSerialize(path, false)
                            : content->GetIHlp()->SerializeDocLegacy(path, false) ==
                                  QziDocIHlp::LegacyResult::whole;
    if (!loaded) return state.SkipWithError("the load failed");
    state.PauseTiming();
    content.reset();
    state.ResumeTiming();
  }
  state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(NativePath(path)));
}

void BM_XmlSave_247Instruments(benchmark::State& state) { Save(state, "bench.qzid", true); }
void BM_XmlLoad_247Instruments(benchmark::State& state) { Load(state, "bench.qzid", true); }
void BM_LegacySave_247Instruments(benchmark::State& state) { Save(state, "bench.qzi", false); }
void BM_LegacyLoad_247Instruments(benchmark::State& state) { Load(state, "bench.qzi", false); }
BENCHMARK(BM_XmlSave_247Instruments)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_XmlLoad_247Instruments)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LegacySave_247Instruments)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LegacyLoad_247Instruments)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

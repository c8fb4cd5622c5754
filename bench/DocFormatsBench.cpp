// The two document formats on a full network: 247 instruments of the
// largest shipped type at addresses 1 to 247, every document field set.
// Loads run before the worker threads start, saves while they run (with
// periodic reception off, so the line stays quiet). The file sizes are
// reported as counters.
//
// The XML save and load are set against yardsticks timed in the same
// iterations, so that the machine's load weighs on both alike: writing the
// same bytes with SaveFileSafely (counter x_write) and Xerces' SAX2 parse of
// the same bytes without validation (counter x_parse); each ratio is of the
// medians.
#include <benchmark/benchmark.h>
#include <xercesc/framework/MemBufInputSource.hpp>
#include <xercesc/sax2/DefaultHandler.hpp>
#include <xercesc/sax2/SAX2XMLReader.hpp>
#include <xercesc/sax2/XMLReaderFactory.hpp>
#include <xercesc/util/PlatformUtils.hpp>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

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
#include "platform/SafeFileSave.h"

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

std::string FileBytes(const std::wstring& path) {
  std::ifstream in(NativePath(path), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Wall time of one call, in milliseconds.
template <class F>
double Timed(F&& f) {
  const auto start = std::chrono::steady_clock::now();
  f();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const std::size_t mid = v.size() / 2;
  return v.size() % 2 ? v[mid] : (v[mid - 1] + v[mid]) / 2;
}

// The subject's and the yardstick's times of each iteration.
struct Ratio {
  std::vector<double> subject, yardstick;
  void Report(benchmark::State& state, const char* ratio, const char* yardstickName) const {
    const double y = Median(yardstick);
    state.counters[yardstickName] = y;
    if (y > 0) state.counters[ratio] = Median(subject) / y;
  }
};

// The scrambled passwords hold control characters, which XML 1.0 does not
// allow and Xerces refuses: the yardstick parses them as blanks.
std::string ForXerces(std::string bytes) {
  for (char& c : bytes)
    if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r') c = ' ';
  return bytes;
}

// Xerces' SAX2 reader without validation, events going nowhere.
class Sax2Parse {
 public:
  Sax2Parse() {
    using namespace xercesc;
    XMLPlatformUtils::Initialize();
    reader_.reset(XMLReaderFactory::createXMLReader());
    reader_->setFeature(XMLUni::fgSAX2CoreValidation, false);
    reader_->setFeature(XMLUni::fgXercesSchema, false);
    reader_->setFeature(XMLUni::fgXercesLoadExternalDTD, false);
    reader_->setContentHandler(&handler_);
    reader_->setErrorHandler(&handler_);
  }
  ~Sax2Parse() {
    reader_.reset();
    xercesc::XMLPlatformUtils::Terminate();
  }
  void Parse(const std::string& bytes) {
    const xercesc::MemBufInputSource source(reinterpret_cast<const XMLByte*>(bytes.data()),
                                            bytes.size(), "document");
    reader_->parse(source);
  }

 private:
  xercesc::DefaultHandler handler_;
  std::unique_ptr<xercesc::SAX2XMLReader> reader_;
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
  const std::string yardstickPath = NativePath(files.Path("yardstick"));
  std::string bytes;
  Ratio ratio;
  for (auto _ : state) {
    bool saved = false;
    ratio.subject.push_back(Timed([&] {
      saved = xml ? hlp.PortableSerialize(path, true)
                  : hlp.SerializeDocLegacy(path, true) == QziDocIHlp::LegacyResult::whole;
    }));
    if (!saved) return state.SkipWithError("the save failed");
    if (!xml) continue;
    state.PauseTiming();
    if (bytes.empty()) bytes = FileBytes(path);
    ratio.yardstick.push_back(Timed([&] { Platform::SaveFileSafely(yardstickPath, bytes); }));
    state.ResumeTiming();
  }
  state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(NativePath(path)));
  if (xml) ratio.Report(state, "x_write", "safe_save_ms");
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
  const std::string bytes = FileBytes(path);
  const std::string parsed = ForXerces(bytes);
  std::unique_ptr<Sax2Parse> sax2;
  if (xml) sax2 = std::make_unique<Sax2Parse>();
  Ratio ratio;
  for (auto _ : state) {
    state.PauseTiming();
    ImmScoped<QziDocF> content;
    CreateContent(content, nullptr);
    if (sax2) ratio.yardstick.push_back(Timed([&] { sax2->Parse(parsed); }));
    state.ResumeTiming();
    bool loaded = false;
    ratio.subject.push_back(Timed([&] {
      loaded = xml ? content->GetIHlp()->PortableSerialize(path, false)
                   : content->GetIHlp()->SerializeDocLegacy(path, false) == QziDocIHlp::LegacyResult::whole;
    }));
    if (!loaded) return state.SkipWithError("the load failed");
    state.PauseTiming();
    content.reset();
    state.ResumeTiming();
  }
  state.counters["file_bytes"] = static_cast<double>(bytes.size());
  if (xml) ratio.Report(state, "x_parse", "sax2_parse_ms");
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

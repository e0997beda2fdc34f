// zembrix-payload: the publisher's command-line tool for the program's encrypted payloads.
// Texts pass through as bytes (GBK is never re-encoded), and a failure prints one line on
// stderr and nothing on stdout.
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "online/payload_block.h"
#include "online/payload_cipher.h"
#include "tools/zembrix-payload/payload_page.h"

namespace zembrix {
namespace {

constexpr char kUsage[] = R"(Usage: zembrix-payload COMMAND [OPTIONS]

Prepares and checks the encrypted payloads that Zembrix reads from the publisher's pages.

Commands:
  encrypt      Plain text on stdin, cipher text on stdout (no line break added).
  decrypt      Cipher text on stdin, plain text on stdout. The input is read as strictly as
               the program reads it: a space or a trailing line break is an error.
  make-page    Prints a ready-to-paste block: the block start marker, the cipher text of the
               fields given below, the block end marker. Options:
                 --menu-title TEXT   caption of the online tray-menu entry
                 --menu-link URL     link of the online tray-menu entry
                 --css-url URL       style sheet of the mini info window
                 --info-html FILE    page shown in the mini info window (bytes of FILE)
  read-page [FILE|-]
               Reads a saved page (stdin when FILE is "-" or missing), cuts out the block,
               removes "amp;" as the program does, decrypts it and prints the fields found,
               or says why the program would find nothing.

Options for every command:
  --key TEXT         key text (default "vexo", the program's key)
  --bits 128|192|256 key size (default 256, the program's key size)
  --help             this text

All texts are taken and given as bytes: give field values in GBK, as the program shows them.
Exit status: 0 on success, 1 on invalid input, 2 on a usage error.
)";

constexpr int kInvalidInput = 1;
constexpr int kUsageError = 2;

int Fail(const std::string& message, int status = kInvalidInput) {
  std::fprintf(stderr, "zembrix-payload: %s\n", message.c_str());
  return status;
}

// The stream's length when it can tell (a file, or stdin redirected from one), else 0.
std::size_t StreamLength(std::FILE* file) {
  if (std::fseek(file, 0, SEEK_END) != 0) return 0;
  long end = std::ftell(file);
  if (end <= 0 || std::fseek(file, 0, SEEK_SET) != 0) return 0;
  return static_cast<std::size_t>(end);
}

// Hands the stream over piece by piece, so that a cipher text of many megabytes never has to be
// held beside its decoded bytes.
template <typename TakePiece>
bool ReadInPieces(std::FILE* file, TakePiece takePiece) {
  std::vector<char> buffer(1 << 16);
  std::size_t count;
  while ((count = std::fread(buffer.data(), 1, buffer.size(), file)) > 0) takePiece(std::string_view(buffer.data(), count));
  return std::ferror(file) == 0;
}

bool ReadAll(std::FILE* file, Text& out) {
  out.reserve(StreamLength(file));
  return ReadInPieces(file, [&](std::string_view piece) { out.append(piece); });
}

std::optional<Text> ReadInput(const std::string& path) {
  Text bytes;
  if (path == "-") {
    if (!ReadAll(stdin, bytes)) return std::nullopt;
    return bytes;
  }
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return std::nullopt;
  bool ok = ReadAll(file, bytes);
  std::fclose(file);
  if (!ok) return std::nullopt;
  return bytes;
}

int WriteOutput(std::string_view bytes) {
  if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout) != 0) {
    return Fail("cannot write the output");
  }
  return 0;
}

struct Options {
  std::string command;
  Text keyText{kPayloadKeyText};
  std::int32_t keyBits = kPayloadKeyBits;
  PayloadFieldValues fields;
  std::string infoHtmlFile;
  std::optional<std::string> pageFile;
};

// Index of the make-page field an option sets, or kPayloadFields.size().
std::size_t FieldOfOption(std::string_view name) {
  std::size_t field = 0;
  while (field < kPayloadFields.size() && kPayloadFields[field].option != name) ++field;
  return field;
}

// Returns the usage error, or empty when the option is sound.
std::string ApplyOption(const std::string& name, const std::string& value, Options& options) {
  if (name == "--key") {
    options.keyText = value;
  } else if (name == "--bits") {
    if (value != "128" && value != "192" && value != "256") return "--bits must be 128, 192 or 256, not \"" + value + "\"";
    options.keyBits = std::stoi(value);
  } else if (name == "--info-html") {
    options.infoHtmlFile = value;
  } else {
    options.fields[FieldOfOption(name)] = value;
  }
  return {};
}

// Returns the usage error, or empty when the command line is sound.
std::string ParseCommandLine(int argc, char** argv, Options& options) {
  bool fieldGiven = false;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg.rfind("--", 0) == 0) {
      bool isField = FieldOfOption(arg) < kPayloadFields.size();
      if (!isField && arg != "--key" && arg != "--bits") return "unknown option " + arg;
      if (i + 1 >= argc) return arg + " needs a value";
      if (std::string error = ApplyOption(arg, argv[++i], options); !error.empty()) return error;
      fieldGiven = fieldGiven || isField;
    } else if (options.command.empty()) {
      options.command = arg;
    } else if (options.command == "read-page" && !options.pageFile) {
      options.pageFile = arg;
    } else {
      return "unexpected argument \"" + arg + "\"";
    }
  }
  if (options.command.empty()) return "no command given";
  if (options.command != "encrypt" && options.command != "decrypt" && options.command != "make-page" &&
      options.command != "read-page") {
    return "unknown command \"" + options.command + "\"";
  }
  if (fieldGiven && options.command != "make-page") return "field options belong to make-page";
  return {};
}

int Encrypt(const Options& options) {
  std::optional<Text> plain = ReadInput("-");
  if (!plain) return Fail("cannot read stdin");
  if (std::size_t zero = plain->find('\0'); zero != Text::npos) {
    return Fail("the plain text holds a zero byte at offset " + std::to_string(zero) +
                "; the program would cut the payload there");
  }
  return WriteOutput(EncryptPayloadText(*plain, options.keyText, options.keyBits));
}

int Decrypt(const Options& options) {
  PayloadTextDecoder decoder(StreamLength(stdin));
  if (!ReadInPieces(stdin, [&](std::string_view piece) { decoder.Feed(piece); })) return Fail("cannot read stdin");
  PayloadDecryption decryption = std::move(decoder).Finish(options.keyText, options.keyBits);
  if (decryption.error != PayloadCipherError::kNone) {
    return Fail(DescribeDecryptionFailure(decryption, "the input"));
  }
  return WriteOutput(decryption.plainText);
}

int MakePageCommand(Options options) {
  if (!options.infoHtmlFile.empty()) {
    std::optional<Text> html = ReadInput(options.infoHtmlFile);
    if (!html) return Fail("cannot read " + options.infoHtmlFile);
    options.fields[FieldOfOption("--info-html")] = std::move(*html);
  }
  PageResult result = MakePage(options.fields, options.keyText, options.keyBits);
  if (!result.error.empty()) return Fail(result.error);
  return WriteOutput(result.page);
}

int ReadPageCommand(const Options& options) {
  std::string path = options.pageFile.value_or("-");
  std::optional<Text> page = ReadInput(path);
  if (!page) return Fail("cannot read " + (path == "-" ? std::string("stdin") : path));
  PageReading reading = ReadPage(*page, options.keyText, options.keyBits);
  if (!reading.error.empty()) return Fail(reading.error);
  Text report;
  for (const FoundField& found : reading.fields) {
    report.append(found.field->name).append(": ").append(found.value).append("\n");
  }
  return WriteOutput(report);
}

int Run(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) return WriteOutput(kUsage);
  }
  Options options;
  if (std::string error = ParseCommandLine(argc, argv, options); !error.empty()) {
    return Fail(error + " (see zembrix-payload --help)", kUsageError);
  }
  if (options.command == "encrypt") return Encrypt(options);
  if (options.command == "decrypt") return Decrypt(options);
  if (options.command == "make-page") return MakePageCommand(std::move(options));
  return ReadPageCommand(options);
}

}  // namespace
}  // namespace zembrix

int main(int argc, char** argv) {
#ifdef _WIN32
  // Bytes in, bytes out: no CR LF translation of GBK texts or cipher text.
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  return zembrix::Run(argc, argv);
}

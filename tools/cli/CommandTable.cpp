#include "Command.h"
#include "CsvCommands.h"
#include "DocumentCommands.h"
#include "HistoryCommand.h"
#include "ImageCommands.h"
#include "RadioCommands.h"

namespace r5k27::cli {
namespace {

constexpr LocalText kDocIn{"the data file to read (with its .fre companion)",
                           "要读取的数据文件（连同 .fre 文件）"};
constexpr LocalText kDocOut{"the data file to write (with its .fre companion)",
                            "要写入的数据文件（连同 .fre 文件）"};
constexpr LocalText kImageHelp{"a 16384-byte radio image", "16384 字节的对讲机映像"};
constexpr LocalText kJsonHelp{"print the report as one JSON object on standard output",
                              "在标准输出上以一个 JSON 对象输出报告"};

const CliOption kPortOption{
    "port",
    "P",
    {"the serial port: a name (ttyUSB0) or a device path", "串口：名称（ttyUSB0）或设备路径"}};

// Verbs, in the order help lists them. A new verb is a row here and a file with its run.
QList<Command> makeCommands() {
    return {
        {"new",
         {"write the document the program starts with", "写出程序启动时的文档"},
         {{"FILE.dat", kDocOut, FileRole::WritesDocument}},
         {},
         "new car.dat",
         runNew},
        {"copy",
         {"open a data file with every check of Open, then save it as another",
          "按“打开”的全部检查打开数据文件，再另存"},
         {{"IN.dat", kDocIn, FileRole::ReadsDocument},
          {"OUT.dat", kDocOut, FileRole::WritesDocument}},
         {},
         "copy car.dat backup.dat",
         runCopy},
        {"show",
         {"print the whole document, stable for diff", "显示整个文档，便于比较"},
         {{"FILE.dat", kDocIn, FileRole::ReadsDocument}},
         {},
         "show --json car.dat",
         runShow,
         showJson},
        {"encode",
         {"write the radio image a write would send", "写出写入对讲机时发送的映像"},
         {{"FILE.dat", kDocIn, FileRole::ReadsDocument}, {"IMG", kImageHelp, FileRole::WritesFile}},
         {},
         "encode car.dat car.img",
         encodeDocument},
        {"decode",
         {"make a document of a radio image, as a read does", "把对讲机映像转成文档，与读取相同"},
         {{"IMG", kImageHelp, FileRole::ReadsFile},
          {"FILE.dat", kDocOut, FileRole::WritesDocument}},
         {},
         "decode 20250301-101502-123-read.img restored.dat",
         decodeDocument},
        {"csv-export",
         {"write the channel list as a CSV file", "把信道表写成 CSV 文件"},
         {{"FILE.dat", kDocIn, FileRole::ReadsDocument},
          {"OUT.csv", {"the channel list to write", "要写入的信道表"}, FileRole::WritesFile}},
         {},
         "csv-export car.dat channels.csv",
         exportChannels},
        {"csv-import",
         {"take a CSV channel list into a copy of a data file", "把 CSV 信道表导入数据文件的副本"},
         {{"FILE.dat", kDocIn, FileRole::ReadsDocument},
          {"IN.csv", {"the channel list to take", "要导入的信道表"}, FileRole::ReadsFile},
          {"OUT.dat", kDocOut, FileRole::WritesDocument}},
         {},
         "csv-import car.dat channels.csv new.dat",
         importChannels,
         csvImportJson},
        {"ports",
         {"list the serial ports of this machine", "列出本机的串口"},
         {},
         {},
         "ports --json",
         runPorts,
         portsJson},
        {"identify",
         {"ask the attached radio for its model and firmware", "读取所连对讲机的型号和固件版本"},
         {},
         linkOptions(),
         "identify --port /dev/ttyUSB0",
         runIdentify,
         radioJson},
        {"read",
         {"read the radio into a data file", "把对讲机读入数据文件"},
         {{"FILE.dat", kDocOut, FileRole::WritesDocument}},
         linkOptions() << CliOption{"image",
                                    "IMG",
                                    {"also save the radio image read", "同时保存读到的映像"},
                                    FileRole::WritesFile},
         "read --port /dev/ttyUSB0 car.dat",
         runRead,
         radioJson},
        {"write",
         {"write a data file to one radio, a group in turn, or several cables at once",
          "把数据文件写入一台对讲机、依次写入一组，或同时写入多根写频线"},
         {{"FILE.dat", kDocIn, FileRole::ReadsDocument}},
         linkOptions(/*severalPorts=*/true)
             << CliOption{"group",
                          "N",
                          {"write N radios one after another on the one port",
                           "在同一端口上依次写入 N 台对讲机"}}
             << CliOption{"verify",
                          nullptr,
                          {"read each radio back and fail it on a mismatch",
                           "写入后回读每台对讲机，不一致即为失败"}}
             << CliOption{"backup-first",
                          nullptr,
                          {"read each radio into the history before writing it",
                           "写入前先把每台对讲机读入历史"}},
         "write --port /dev/ttyUSB0 --port /dev/ttyUSB1 --verify car.dat",
         runWrite,
         radioJson},
        {"diff",
         {"list the values two documents, or a document and a radio, hold differently",
          "列出两个文档（或文档与对讲机）不同的值"},
         {{"A.dat", kDocIn, FileRole::ReadsDocument},
          {"B.dat",
           {"the other data file; without it, the radio on --port",
            "另一个数据文件；省略时为 --port 上的对讲机"},
           FileRole::ReadsDocument,
           /*optional=*/true}},
         linkOptions(/*severalPorts=*/false, /*portRequired=*/false),
         "diff car.dat --port /dev/ttyUSB0",
         runDiff,
         diffJson},
        {"history",
         {"list the radio history, or save one operation's radio image as a data file",
          "列出对讲机历史，或把一次操作的映像存为数据文件"},
         {{"FILE.dat",
           {"with --extract: the data file to write", "与 --extract 一起：要写入的数据文件"},
           FileRole::WritesDocument,
           /*optional=*/true}},
         {{"since",
           "DATE",
           {"operations from this day on (YYYY-MM-DD)", "此日起的操作（YYYY-MM-DD）"}},
          {"until",
           "DATE",
           {"operations up to this day (YYYY-MM-DD)", "此日止的操作（YYYY-MM-DD）"}},
          {"kind",
           "K",
           {"read, write, group-write, several-write, verify or compare",
            "read、write、group-write、several-write、verify 或 compare"}},
          {"port", "P", {"operations on this port only", "仅此端口上的操作"}},
          {"outcome",
           "O",
           {"done, failed, cancelled, mismatch or interrupted",
            "done、failed、cancelled、mismatch 或 interrupted"}},
          {"csv", nullptr, {"print the rows as CSV", "以 CSV 格式输出"}},
          {"extract",
           "ID",
           {"save operation ID's radio image as FILE.dat",
            "把编号为 ID 的操作的映像存为 FILE.dat"}}},
         "history --since 2026-12-01 --kind write",
         runHistory},
        {"defaults",
         {"write the default files of an install (build step)", "写出安装包的默认文件（构建步骤）"},
         {{"FOLDER", {"the folder to fill", "要写入的文件夹"}, FileRole::WritesFolder}},
         {},
         "defaults R5K27/V200/Init",
         runDefaults,
         nullptr,
         /*hidden=*/true},
    };
}

} // namespace

QList<CliOption> linkOptions(bool severalPorts, bool portRequired) {
    CliOption port = kPortOption;
    port.repeatable = severalPorts;
    port.required = portRequired;
    return {port,
            {"retries",
             "N",
             {"answer Retry to the first N connection questions (default 0)",
              "对前 N 次连接提问回答“重试”（默认 0）"}},
            {"trace",
             "FILE",
             {"log every serial byte with a time stamp", "记录每个串口字节及时间"},
             FileRole::AppendsFile}};
}

const QList<Command>& commands() {
    static const QList<Command> table = makeCommands();
    return table;
}

const Command* findCommand(const QString& name) {
    for (const Command& command : commands())
        if (QLatin1StringView(command.name) == name)
            return &command;
    return nullptr;
}

QList<CliOption> optionsOf(const Command& command) {
    QList<CliOption> options = command.options;
    if (command.json)
        options.append({"json", nullptr, kJsonHelp});
    return options;
}

} // namespace r5k27::cli

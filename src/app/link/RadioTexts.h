#pragma once

#include "core/lang/Language.h"

namespace r5k27::RadioTexts {

inline constexpr LocalText readConfirm{"Read data from radio.", "从对讲机读取数据。"};
// The undo step of a read.
inline constexpr LocalText readStep{"Read from Radio", "从对讲机读取数据"};
inline constexpr LocalText writeConfirm{"Write data to radio.", "向对讲机写入数据。"};
inline constexpr LocalText continueQuestion{"Do you wish continue?", "是否继续？"};

inline constexpr LocalText radioNumberLabel{"WritingRadio's ID is:", "当前在写的台数："};
inline constexpr LocalText connectNextRadio{"Connect the next radio", "请连接下一台对讲机"};
inline constexpr LocalText stoppingAfterRadio{"Stopping after this radio...",
                                              "写完当前对讲机后停止……"};

inline constexpr LocalText groupSizeLabel{"Number of radios to write (1-999):",
                                          "要写入的对讲机台数（1-999）："};
inline constexpr LocalText radiosWritten{"Radios written: %1", "已写入对讲机台数：%1"};
inline constexpr LocalText groupStopped{"Group write stopped.", "成批写入已停止。"};

inline constexpr LocalText openBackupFolder{"Open &Backup Folder", "打开备份文件夹(&B)"};
inline constexpr LocalText backupFolderFailed{"The backup folder %1 could not be opened.",
                                              "无法打开备份文件夹 %1。"};

} // namespace r5k27::RadioTexts

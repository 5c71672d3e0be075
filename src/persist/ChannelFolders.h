#pragma once

#include <QString>

namespace tq::persist {

/// Where the channel manager's file dialogs start and which file it offers
/// first. On Windows these are the station's shared folders under
/// C:\Users\Public, where channel lists have always been kept; elsewhere
/// there is no such folder, and the lists live in the data directory beside
/// the program's other files.
struct ChannelFolders {
    /// The folder both file dialogs open in.
    QString dialogDirectory;
    /// The file Open File reads until another is chosen.
    QString defaultFile;

    static ChannelFolders windows();
    static ChannelFolders inDataDirectory(const QString& dataDirectory);
    /// The folders of the platform the program runs on.
    static ChannelFolders forThisPlatform(const QString& dataDirectory);
};

}  // namespace tq::persist

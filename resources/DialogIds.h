#pragma once

// Dialog template numbers and the numbered ids of their controls.
namespace marlo::ids {

enum Template : int {
    mainWindowTemplate = 102,
    wirelessPageTemplate = 129,
    connectionPageTemplate = 130,
    serialPageTemplate = 132,
    writeConfirmationTemplate = 137,
    passwordPromptTemplate = 138,
};

enum MainWindow : int {
    pageTabs = 1001,
    portSelector = 1066,
    readButton = 1067,
    writeButton = 1068,
    versionLine = 1129,
    progressBar = 1131,
    saveButton = 1147,
    loadButton = 1148,
    firmwareLine = 1161,
};

enum SerialPage : int {
    baudRate = 1046,
    dataBits7 = 1047,
    dataBits8 = 1048,
    stopBits1 = 1049,
    stopBits2 = 1050,
    parityNone = 1051,
    parityEven = 1052,
    parityOdd = 1053,
    flowNone = 1054,
    flowHardware = 1055,
    flowSoftware = 1056,
    xonCharacter = 1057,
    xoffCharacter = 1058,
    packingEnabled = 1059,
    packingThreshold = 1036,
    packingByTimeout = 1060,
    packingTimeout = 1061,
    packingBySendCharacter = 1062,
    sendCharacter = 1063,
    flushSendCharacter = 1064,
    trailingCharacterEnabled = 1155,
    trailingCharacter = 1065,
    gapTime = 1067,
    queueThreshold = 1037,
    firstMatchByte = 1066,
    secondMatchByte = 1068,
};

enum WriteConfirmation : int {
    writeOnly = 1,
    writeCancel = 2,
    writeAndReset = 1150,
};

enum PasswordPrompt : int {
    passwordOk = 1,
    passwordStop = 2,
    passwordSkip = 1150,
    passwordEdit = 1151,
    passwordPromptLine = 1152,
};

} // namespace marlo::ids

#pragma once

// Dialog template numbers and the numbered ids of their controls.
namespace marlo::ids {

enum Template : int {
    mainWindowTemplate = 102,
    wirelessPageTemplate = 129,
    connectionPageTemplate = 130,
    serialPageTemplate = 132,
    stationProfilesTemplate = 133,
    profileEditorTemplate = 135,
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

enum StationProfiles : int {
    profileList = 1084,
    profileNew = 1085,
    profileSwitch = 1086,
    profileDelete = 1087,
    scanButton = 1088,
    scanList = 1089,
    scanAdd = 1090,
    stationProgress = 1091,
};

enum ProfileEditor : int {
    editorOk = 1,
    editorProfileOn = 1099,
    editorSsid = 1100,
    editorEncryption = 1101,
    editorWpa = 1102,
    editorWpa2 = 1103,
    editorWep = 1104,
    editorPassphrase = 1105,
    editorHex = 1106,
    editorTransmit1 = 1107,
    editorTransmit2 = 1108,
    editorTransmit3 = 1109,
    editorTransmit4 = 1110,
    editorKey1 = 1111,
    editorKey2 = 1112,
    editorKey3 = 1113,
    editorKey4 = 1114,
    editorProgress = 1115,
};

enum PasswordPrompt : int {
    passwordOk = 1,
    passwordStop = 2,
    passwordSkip = 1150,
    passwordEdit = 1151,
    passwordPromptLine = 1152,
};

} // namespace marlo::ids

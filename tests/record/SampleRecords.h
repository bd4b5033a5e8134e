#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace marlo::samples {

// A configuration record as the device dumps it: the echo of the command before the declaration,
// CR LF line ends, items the tool never touches, secrets shown as set, and the final line without
// a line end. Lines are written here with "\n" and converted by `withLineEnds`.
inline constexpr std::string_view deviceConfigLines = R"(xcr dump
<?xml version="1.0" standalone="yes"?>
<!-- Automatically generated XML -->
<!DOCTYPE configrecord [
   <!ELEMENT configrecord (configgroup+)>
   <!ELEMENT configgroup (configitem+)>
   <!ELEMENT configitem (value+)>
   <!ELEMENT value (#PCDATA)>
   <!ATTLIST configrecord version CDATA #IMPLIED>
   <!ATTLIST configgroup name CDATA #IMPLIED>
   <!ATTLIST configgroup instance CDATA #IMPLIED>
   <!ATTLIST configitem name CDATA #IMPLIED>
   <!ATTLIST configitem instance CDATA #IMPLIED>
   <!ATTLIST value name CDATA #IMPLIED>
]>
<configrecord version="0.1.0.1">
   <configgroup name = "Radio">
      <configitem name = "Mode">
         <value>Enabled</value>
      </configitem>
      <configitem name = "Band">
         <value>2.4 GHz Only</value>
      </configitem>
      <configitem name = "Keep Alive">
         <value>Enabled</value>
      </configitem>
   </configgroup>
   <configgroup name = "Interface" instance = "wlan0">
      <configitem name = "State">
         <value>Enabled</value>
      </configitem>
      <configitem name = "Priority">
         <value>1</value>
      </configitem>
      <configitem name = "DHCP Client">
         <value>Disabled</value>
      </configitem>
      <configitem name = "IP Address">
         <value>192.168.10.20/24</value>
      </configitem>
      <configitem name = "Default Gateway">
         <value>192.168.10.1</value>
      </configitem>
      <configitem name = "Primary DNS">
         <value>8.8.8.8</value>
      </configitem>
      <configitem name = "Secondary DNS">
         <value>&lt;None&gt;</value>
      </configitem>
      <configitem name = "MTU">
         <value>1500 bytes</value>
      </configitem>
   </configgroup>
   <configgroup name = "Interface" instance = "ap0">
      <configitem name = "State">
         <value>Enabled</value>
      </configitem>
      <configitem name = "Priority">
         <value>2</value>
      </configitem>
      <configitem name = "IP Address">
         <value>192.168.0.1/24</value>
      </configitem>
      <configitem name = "Default Gateway">
         <value>&lt;None&gt;</value>
      </configitem>
      <configitem name = "Primary DNS">
         <value>192.168.0.1</value>
      </configitem>
      <configitem name = "Secondary DNS">
         <value>&lt;None&gt;</value>
      </configitem>
      <configitem name = "DHCP IP Address Range">
         <value name = "Start">192.168.0.2</value>
         <value name = "End">192.168.0.20</value>
      </configitem>
   </configgroup>
   <configgroup name = "Access Point" instance = "ap0">
      <configitem name = "SSID">
         <value>Marlo &amp; Co</value>
      </configitem>
      <configitem name = "Guest">
         <value>Disabled</value>
      </configitem>
      <configitem name = "Channel">
         <value>&lt;Auto&gt;</value>
      </configitem>
      <configitem name = "Suite">
         <value>WPA2</value>
      </configitem>
      <configitem name = "Encryption">
         <value>CCMP</value>
      </configitem>
      <configitem name = "Passphrase">
         <value>&lt;Configured&gt;</value>
      </configitem>
   </configgroup>
   <configgroup name = "Tunnel Accept" instance = "1">
      <configitem name = "Mode">
         <value>Always</value>
      </configitem>
      <configitem name = "Local Port">
         <value>10001</value>
      </configitem>
      <configitem name = "Multiple Connections">
         <value>Enabled</value>
      </configitem>
      <configitem name = "Protocol">
         <value>TCP</value>
      </configitem>
      <configitem name = "Flush Line">
         <value>Disabled</value>
      </configitem>
      <configitem name = "Start Character">
         <value>0x0d</value>
      </configitem>
      <configitem name = "Password">
         <value>&lt;Configured&gt;</value>
      </configitem>
   </configgroup>
   <configgroup name = "Tunnel Connect" instance = "1">
      <configitem name = "Mode">
         <value>Start Character</value>
      </configitem>
      <configitem name = "Flush Line">
         <value>Enabled</value>
      </configitem>
      <configitem name = "Start Character">
         <value>&lt;control&gt;B</value>
      </configitem>
      <configitem name = "Flush Start Character">
         <value>Enabled</value>
      </configitem>
      <configitem name = "Host" instance = "1">
         <value name = "Address">192.168.10.5</value>
         <value name = "Port">8000</value>
         <value name = "Protocol">TCP</value>
         <value name = "Credential"></value>
         <value name = "Initial Send">hello &lt;1&gt;</value>
         <value name = "Local Port">&lt;Random&gt;</value>
         <value name = "Reception">Unrestricted</value>
      </configitem>
      <configitem name = "Host" instance = "2">
         <value name = "Address">backup.example</value>
         <value name = "Port">8001</value>
         <value name = "Protocol">TCP</value>
         <value name = "Credential"></value>
         <value name = "Initial Send"></value>
         <value name = "Local Port">9001</value>
         <value name = "Reception">Restricted</value>
      </configitem>
      <configitem name = "Connections">
         <value>Round-Robin</value>
      </configitem>
      <configitem name = "Reconnect Time">
         <value>1 minute 30 seconds</value>
      </configitem>
   </configgroup>
   <configgroup name = "Tunnel Disconnect" instance = "1">
      <configitem name = "Modem Control">
         <value>Disabled</value>
      </configitem>
      <configitem name = "Timeout">
         <value>30000 milliseconds</value>
      </configitem>
      <configitem name = "Flush Line">
         <value>Enabled</value>
      </configitem>
      <configitem name = "Stop Character">
         <value>0x04</value>
      </configitem>
   </configgroup>
   <configgroup name = "Line" instance = "1">
      <configitem name = "Name">
         <value></value>
      </configitem>
      <configitem name = "State">
         <value>Enabled</value>
      </configitem>
      <configitem name = "Protocol">
         <value>Tunnel</value>
      </configitem>
      <configitem name = "Baud Rate">
         <value>115200 bits per second</value>
      </configitem>
      <configitem name = "Parity">
         <value>Even</value>
      </configitem>
      <configitem name = "Data Bits">
         <value>7</value>
      </configitem>
      <configitem name = "Stop Bits">
         <value>2</value>
      </configitem>
      <configitem name = "Flow Control">
         <value>Software</value>
      </configitem>
      <configitem name = "Xon Char">
         <value>&lt;control&gt;Q</value>
      </configitem>
      <configitem name = "Xoff Char">
         <value>0x13</value>
      </configitem>
      <configitem name = "Gap Timer">
         <value>12</value>
      </configitem>
      <configitem name = "Threshold">
         <value>100 bytes</value>
      </configitem>
      <configitem name = "Push">
         <value>&lt;control&gt;M&lt;</value>
      </configitem>
   </configgroup>
   <configgroup name = "Tunnel Packing" instance = "1">
      <configitem name = "Mode">
         <value>Send Character</value>
      </configitem>
      <configitem name = "Threshold">
         <value>1024 bytes</value>
      </configitem>
      <configitem name = "Timeout">
         <value>250 milliseconds</value>
      </configitem>
      <configitem name = "Send Character">
         <value>0x0a</value>
      </configitem>
      <configitem name = "Flush Send Character">
         <value>Enabled</value>
      </configitem>
      <configitem name = "Trailing Character">
         <value>&lt;None&gt;</value>
      </configitem>
   </configgroup>
   <configgroup name = "WLAN Profile" instance = "home">
      <configitem name = "Basic">
         <value name = "Network Name">HomeNet</value>
         <value name = "State">Enabled</value>
      </configitem>
      <configitem name = "Security">
         <value name = "Suite">WPA2</value>
         <value name = "WPAx Key Type">Hex</value>
         <value name = "WPAx Passphrase">&lt;Configured&gt;</value>
      </configitem>
   </configgroup>
   <configgroup name = "WLAN Profile" instance = "lab &amp; co">
      <configitem name = "Basic">
         <value name = "Network Name">)"
                                                      "\x8c\xa4\x8b\x86\x8e\xba" // 研究室
                                                      R"(-5G</value>
         <value name = "State">Disabled</value>
      </configitem>
      <configitem name = "Security">
         <value name = "Suite">None</value>
      </configitem>
   </configgroup>
</configrecord>)";

// The status record that follows it in a device read, beginning with the prompt.
inline constexpr std::string_view deviceStatusLines = R"(xml>xsr dump Interface
<?xml version="1.0" standalone="yes"?>
<statusrecord version="0.1.0.1">
   <statusgroup name = "Interface" instance = "ap0">
      <statusitem name = "Current">
         <value name = "IP Address">192.168.0.1</value>
      </statusitem>
   </statusgroup>
   <statusgroup name = "Interface" instance = "wlan0">
      <statusitem name = "Current">
         <value name = "IP Address">192.168.10.20</value>
         <value name = "Mask">255.255.255.0</value>
      </statusitem>
   </statusgroup>
</statusrecord>)";

inline std::string withLineEnds(std::string_view lines, std::string_view lineEnd) {
    std::string text;
    for (char c : lines) {
        if (c == '\n') {
            text += lineEnd;
        } else {
            text += c;
        }
    }
    return text;
}

inline std::string deviceConfigRecord() {
    return withLineEnds(deviceConfigLines, "\r\n");
}

inline std::string deviceStatusRecord() {
    return withLineEnds(deviceStatusLines, "\r\n");
}

// `text` with the one occurrence of `from` replaced; fails the test when it is not there once.
inline std::string replaced(std::string text, std::string_view from, std::string_view to) {
    const std::size_t position = text.find(from);
    EXPECT_NE(position, std::string::npos) << from;
    EXPECT_EQ(text.find(from, position + 1), std::string::npos) << from;
    if (position != std::string::npos) {
        text.replace(position, from.size(), to);
    }
    return text;
}

} // namespace marlo::samples

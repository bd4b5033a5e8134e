<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>AccessPointDialog</name>
    <message>
        <source>SSIDは最大32文字です。</source>
        <translation>The SSID can be at most 32 characters long.</translation>
    </message>
    <message>
        <source>SSIDは数字、アルファベット、ハイフン、アンダーバーのみ指定できます。</source>
        <translation>The SSID may contain only digits, letters, hyphens and underscores.</translation>
    </message>
    <message>
        <source>パスワードは8文字以上、63文字以内である必要があります。</source>
        <translation>The passphrase must be 8 to 63 characters long.</translation>
    </message>
    <message>
        <source>パスワードに使用できない文字が含まれています。</source>
        <translation>The passphrase contains characters that cannot be used.</translation>
    </message>
    <message>
        <source>APモードの設定</source>
        <translation>AP Mode Settings</translation>
    </message>
    <message>
        <source>スキャン要求を許可</source>
        <translation>Allow &amp;scan requests</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>無線LANチャンネル:</source>
        <translation>&amp;Channel:</translation>
    </message>
    <message>
        <source>セキュリティ</source>
        <translation>Security</translation>
    </message>
    <message>
        <source>暗号化の有効</source>
        <translation>&amp;Enable encryption</translation>
    </message>
    <message>
        <source>パスワード:</source>
        <translation>&amp;Passphrase:</translation>
    </message>
    <message>
        <source>自動</source>
        <translation>Auto</translation>
    </message>
</context>
<context>
    <name>AddressRefusal</name>
    <message>
        <source>STAモードのIPアドレスが正しくありません。</source>
        <translation>The station mode IP address is not valid.</translation>
    </message>
    <message>
        <source>APモードのIPアドレスが正しくありません。</source>
        <translation>The AP mode IP address is not valid.</translation>
    </message>
    <message>
        <source>STAモードのサブネットマスクが正しくありません。</source>
        <translation>The station mode subnet mask is not valid.</translation>
    </message>
    <message>
        <source>APモードのサブネットマスクが正しくありません。</source>
        <translation>The AP mode subnet mask is not valid.</translation>
    </message>
</context>
<context>
    <name>ConfigurationBackups</name>
    <message>
        <source>バックアップを保存するフォルダがありません (HOME が設定されていません)。</source>
        <translation>There is no folder to keep backups in: HOME is not set.</translation>
    </message>
    <message>
        <source>%1 のバックアップを一覧できません: %2</source>
        <translation>The backups in %1 cannot be listed: %2.</translation>
    </message>
    <message>
        <source>バックアップフォルダ %1 は他のユーザーも読み取れるため使用しません。所有者だけが読めるようにしてください (chmod 700)。</source>
        <translation>The backup folder %1 can be read by other users, so it is not used. Make it readable by its owner only (chmod 700).</translation>
    </message>
    <message>
        <source>バックアップを %1 に保存できません: %2</source>
        <translation>The backup cannot be kept in %1: %2.</translation>
    </message>
</context>
<context>
    <name>DestinationsDialog</name>
    <message>
        <source>接続先の編集</source>
        <translation>Edit Destinations</translation>
    </message>
    <message>
        <source>再接続時間:</source>
        <translation>Reconnect &amp;time:</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>seconds</translation>
    </message>
    <message>
        <source>送信先以外からのUDP受信を破棄する</source>
        <translation>&amp;Discard UDP data from hosts other than the destinations</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>プロトコル</source>
        <translation>Protocol</translation>
    </message>
    <message>
        <source>アドレス</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>ポート</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>ローカル
ポート</source>
        <translation>Local
Port</translation>
    </message>
    <message>
        <source>接続時送信文字列</source>
        <translation>Text Sent on Connect</translation>
    </message>
    <message>
        <source>接続先%1:</source>
        <translation>Destination &amp;%1:</translation>
    </message>
    <message>
        <source>接続順序</source>
        <translation>Connection Order</translation>
    </message>
    <message>
        <source>順次接続</source>
        <translation>&amp;Sequential</translation>
    </message>
    <message>
        <source>複数同時</source>
        <translation>Si&amp;multaneous</translation>
    </message>
    <message>
        <source>前回接続した次の接続先</source>
        <translation>&amp;Round-robin</translation>
    </message>
    <message>
        <source>接続先%1のアドレスに使用できない文字が含まれています。</source>
        <translation>The address of destination %1 contains characters that cannot be used.</translation>
    </message>
    <message>
        <source>ポート番号を設定してください</source>
        <translation>Enter a port number for every destination that has an address.</translation>
    </message>
    <message>
        <source>接続先%1の接続時送信文字列に使用できない文字が含まれています。</source>
        <translation>The text sent to destination %1 on connect contains characters that cannot be used.</translation>
    </message>
    <message>
        <source>ローカルポート</source>
        <translation>Local Port</translation>
    </message>
</context>
<context>
    <name>DestinationsSummary</name>
    <message>
        <source>プロトコル: TCP
</source>
        <translation>Protocol: TCP
</translation>
    </message>
    <message>
        <source>プロトコル: UDP
</source>
        <translation>Protocol: UDP
</translation>
    </message>
</context>
<context>
    <name>DeviceMessages</name>
    <message>
        <source>デバイスとの通信に失敗しました。

設定直後であればしばらく待って再試行してください。
または一度アプリケーションを閉じてやりなおしてください。</source>
        <translation>Communication with the device failed.

If you have just changed its settings, wait a moment and try again.
Or close the application and start again.</translation>
    </message>
    <message>
        <source>設定の書き込みに失敗しました。</source>
        <translation>The settings could not be written to the device.</translation>
    </message>
    <message>
        <source>通信エラー</source>
        <translation>Communication with the device failed.</translation>
    </message>
    <message>
        <source>解析エラー</source>
        <translation>Scanning failed: the device&apos;s answer could not be read.</translation>
    </message>
    <message>
        <source>対象と通信できません</source>
        <translation>The device could not be reached.</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>履歴</source>
        <translation>History</translation>
    </message>
    <message>
        <source>このデバイスのバックアップはまだありません。</source>
        <translation>There are no backups of this device yet.</translation>
    </message>
    <message>
        <source>このデバイスから読み込んだ設定 (新しい順):</source>
        <translation>Settings read from this device, newest first:</translation>
    </message>
    <message>
        <source>読み込んだ日時</source>
        <translation>Read At</translation>
    </message>
    <message>
        <source>ファームウェア</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>現在との違い</source>
        <translation>Differences from Now</translation>
    </message>
    <message>
        <source>%1 件</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>読み込めません</source>
        <translation>Does not load</translation>
    </message>
    <message>
        <source>復元</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>NetworkPage</name>
    <message>
        <source>常時</source>
        <translation>Always</translation>
    </message>
    <message>
        <source>シリアルデータ受信時</source>
        <translation>On serial data</translation>
    </message>
    <message>
        <source>開始キャラクタ受信時</source>
        <translation>On the start character</translation>
    </message>
    <message>
        <source>DSRアクティブ時(Orvane)</source>
        <translation>While DSR is active (Orvane)</translation>
    </message>
    <message>
        <source>開始キャラクタ   0x</source>
        <translation>Start character: 0x</translation>
    </message>
    <message>
        <source>開始キャラクタを送信しない</source>
        <translation>Do not send the start character</translation>
    </message>
    <message>
        <source>サーバモード有効</source>
        <translation>Enable ser&amp;ver mode</translation>
    </message>
    <message>
        <source>接続待ち開始条件</source>
        <translation>Listen when</translation>
    </message>
    <message>
        <source>サーバ</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>複数接続の許可</source>
        <translation>Allow &amp;multiple connections</translation>
    </message>
    <message>
        <source>ローカルポート番号:</source>
        <translation>Local port &amp;number:</translation>
    </message>
    <message>
        <source>接続パスワードを使用</source>
        <translation>&amp;Use a connection password</translation>
    </message>
    <message>
        <source>パスワード文字列:</source>
        <translation>Passw&amp;ord:</translation>
    </message>
    <message>
        <source>接続時シリアルバッファをクリア</source>
        <translation>Clear serial &amp;buffer when a client connects</translation>
    </message>
    <message>
        <source>クライアントモード有効 </source>
        <translation>Enable &amp;client mode</translation>
    </message>
    <message>
        <source>接続要求条件</source>
        <translation>Connect when</translation>
    </message>
    <message>
        <source>クライアント</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>接続先:</source>
        <translation>Destinations:</translation>
    </message>
    <message>
        <source>接続先の登録</source>
        <translation>&amp;Edit Destinations…</translation>
    </message>
    <message>
        <source>接続時シリアルバッファクリアする</source>
        <translation>Clear serial bu&amp;ffer when connected</translation>
    </message>
    <message>
        <source>指定キャラクタで切断</source>
        <translation>Disconnect on a &amp;given character</translation>
    </message>
    <message>
        <source>シリアル無通信時間で切断</source>
        <translation>Disconnect af&amp;ter serial silence</translation>
    </message>
    <message>
        <source>ミリ秒</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>DSRノンアクティブ時に切断(Orvane)</source>
        <translation>Disconnect w&amp;hen DSR drops (Orvane)</translation>
    </message>
    <message>
        <source>切断時シリアルバッファをクリア</source>
        <translation>Clear serial buffer on &amp;disconnect</translation>
    </message>
    <message>
        <source>パスワード文字列に使用できない文字が含まれています。</source>
        <translation>The password contains characters that cannot be used.</translation>
    </message>
    <message>
        <source>ミリ秒</source>
        <comment>unit, read out after a field&apos;s name</comment>
        <translatorcomment>Read out by screen readers after the name of a time field (&quot;Timeout in milliseconds&quot;); the unit label beside the field stays &quot;ms&quot;.</translatorcomment>
        <translation>in milliseconds</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>パスワードに使用できない文字が含まれています。</source>
        <translation>The text entered contains characters that cannot be used.</translation>
    </message>
    <message>
        <source>パスワードの入力</source>
        <translation>Enter Passphrase or Password</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>このパスワードはファイルに保存しない</source>
        <translation>Save &amp;Without It</translation>
    </message>
    <message>
        <source>ファイルへの保存を中断する</source>
        <translation>S&amp;top Saving</translation>
    </message>
</context>
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>31文字以内である必要があります。</source>
        <translation>The password must be at most 31 characters long.</translation>
    </message>
    <message>
        <source>64文字である必要があります。</source>
        <translation>The key must be exactly 64 characters long.</translation>
    </message>
    <message>
        <source>8文字以上、63文字以内である必要があります。</source>
        <translation>The passphrase must be 8 to 63 characters long.</translation>
    </message>
    <message>
        <source>ファイルに保存する [ APモード パスワード ] を入力してください。
（8文字以上、63文字以内）</source>
        <translation>Enter the AP mode passphrase to save in the file.
(8 to 63 characters)</translation>
    </message>
    <message>
        <source>APモード パスワードを保存</source>
        <translation>&amp;Save AP Mode Passphrase</translation>
    </message>
    <message>
        <source>ファイルに保存する[ サーバモード 接続パスワード ]を入力してください。
（31文字以内）</source>
        <translation>Enter the server mode connection password to save in the file.
(at most 31 characters)</translation>
    </message>
    <message>
        <source>サーバモード 接続パスワードを保存</source>
        <translation>&amp;Save Server Connection Password</translation>
    </message>
    <message>
        <source>ファイルに保存する SSID [ %1 ] プロファイルの接続パスワードを入力してください。(16進数64文字)</source>
        <translation>Enter the key of the station profile for SSID &quot;%1&quot; to save in the file. (64 hexadecimal digits)</translation>
    </message>
    <message>
        <source>ファイルに保存する SSID [ %1 ] プロファイルの接続パスワードを入力してください。(8文字以上、63文字以内)</source>
        <translation>Enter the passphrase of the station profile for SSID &quot;%1&quot; to save in the file. (8 to 63 characters)</translation>
    </message>
    <message>
        <source>SSIDプロファイルを保存</source>
        <translation>&amp;Save Station Profile</translation>
    </message>
    <message>
        <source>このSSIDのプロファイルは保存しない</source>
        <translation>Save &amp;Without This Profile</translation>
    </message>
</context>
<context>
    <name>PortOpenFailure</name>
    <message>
        <source>ポート %1 を開く権限がありません。ポートはグループ「%2」に属しています。「sudo usermod -aG %2 $USER」で参加し、ログインし直してください。</source>
        <translation>You do not have permission to open port %1. The port belongs to the group &quot;%2&quot;: join it with &quot;sudo usermod -aG %2 $USER&quot;, then log in again.</translation>
    </message>
    <message>
        <source>ポート %1 は他のプログラム（%2）が使用中です。そのプログラムを終了してから再試行してください。</source>
        <translation>Port %1 is in use by another program (%2). Close that program, then try again.</translation>
    </message>
    <message>
        <source>ポート %1 は他のプログラムが使用中です。そのプログラムを終了してから再試行してください。</source>
        <translation>Port %1 is in use by another program. Close that program, then try again.</translation>
    </message>
    <message>
        <source>ポート %1 が見つかりません。アダプタが取り外された可能性があります。接続を確認してください。</source>
        <translation>Port %1 was not found. The adapter may have been unplugged. Check the connection.</translation>
    </message>
    <message>
        <source>ポート %1 を開けませんでした（%2）。</source>
        <translation>Port %1 could not be opened (%2).</translation>
    </message>
    <message>
        <source>ポート %1 を開く権限がありません。このポートを開けるのは所有者のユーザー「%2」だけです。</source>
        <translation>You do not have permission to open port %1. Only its owner, the user &quot;%2&quot;, can open it.</translation>
    </message>
    <message>
        <source>ポート %1 は次のいずれかのプログラムが使用中です: %2。そのプログラムを終了してから再試行してください。</source>
        <translation>Port %1 is in use by one of these programs: %2. Close that program, then try again.</translation>
    </message>
    <message>
        <source>ポート %1 から %2 秒以内に応答がありません。デバイスの電源が入っていること、このポートがデバイスのコンソールポートであることを確認してください。</source>
        <translation>No answer from %1 within %2 seconds: check that the device is powered and that this is its console port.</translation>
    </message>
</context>
<context>
    <name>ProfileEditorDialog</name>
    <message>
        <source>この内容のプロファイルを登録します。<byte value="xd"/>
この操作は即座に反映されます。</source>
        <translation>This profile will be added to the device.<byte value="xd"/>
The change takes effect at once.</translation>
    </message>
    <message>
        <source>プロファイルの追加に失敗しました。

</source>
        <translation>The profile could not be added.

</translation>
    </message>
    <message>
        <source>プロファイルを追加しました。</source>
        <translation>The profile was added.</translation>
    </message>
    <message>
        <source>SSIDに使用できない文字が含まれています。</source>
        <translation>The SSID contains characters that cannot be used.</translation>
    </message>
    <message>
        <source>パスワードに使用できない文字が含まれています。</source>
        <translation>A passphrase or key contains characters that cannot be used.</translation>
    </message>
    <message>
        <source>SSIDを入力してください</source>
        <translation>Enter an SSID.</translation>
    </message>
    <message>
        <source>パスワードを入力してください</source>
        <translation>Enter a passphrase or key.</translation>
    </message>
    <message>
        <source>パスワードは8文字以上、63文字以内である必要があります。</source>
        <translation>The passphrase must be 8 to 63 characters long.</translation>
    </message>
    <message>
        <source>HEX指定時のKeyは0-9 A-Fで入力してください。</source>
        <translation>A hexadecimal key may contain only 0-9 and A-F.</translation>
    </message>
    <message>
        <source>入力桁数は %1 または %2 桁である必要があります。</source>
        <translation>The key must be %1 or %2 digits long.</translation>
    </message>
    <message>
        <source>入力桁数は 10 または 26 桁で統一してください。</source>
        <translation>All keys must have the same length: 10 or 26 digits.</translation>
    </message>
    <message>
        <source>選択した欄のパスワードを入力してください</source>
        <translation>Enter a key in the selected row.</translation>
    </message>
    <message>
        <source>プロファイルの編集</source>
        <translation>Edit Profile</translation>
    </message>
    <message>
        <source>このプロファイルを有効とする</source>
        <translation>Enable this &amp;profile</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>セキュリティ</source>
        <translation>Security</translation>
    </message>
    <message>
        <source>暗号化の有効</source>
        <translation>&amp;Enable encryption</translation>
    </message>
    <message>
        <source>パスワード / Key:</source>
        <translation>Passphrase or key:</translation>
    </message>
</context>
<context>
    <name>RecordWriter</name>
    <message>
        <source>改行を含む設定値があるため、設定データを書き出せません。</source>
        <translation>A setting value contains a line break, which the settings record cannot hold. Nothing was written.</translation>
    </message>
    <message>
        <source>APモードのSSIDに改行が含まれているため、設定データを書き出せません。</source>
        <translation>The AP mode SSID contains a line break, which the settings record cannot hold. Nothing was written.</translation>
    </message>
    <message>
        <source>APモードのパスワードに改行が含まれているため、設定データを書き出せません。</source>
        <translation>The AP mode passphrase contains a line break, which the settings record cannot hold. Nothing was written.</translation>
    </message>
    <message>
        <source>サーバモードの接続パスワードに改行が含まれているため、設定データを書き出せません。</source>
        <translation>The server mode connection password contains a line break, which the settings record cannot hold. Nothing was written.</translation>
    </message>
    <message>
        <source>接続先%1のアドレスに改行が含まれているため、設定データを書き出せません。</source>
        <translation>The address of destination %1 contains a line break, which the settings record cannot hold. Nothing was written.</translation>
    </message>
    <message>
        <source>接続先%1の接続時送信文字列に改行が含まれているため、設定データを書き出せません。</source>
        <translation>The text sent to destination %1 on connect contains a line break, which the settings record cannot hold. Nothing was written.</translation>
    </message>
    <message>
        <source>保存済プロファイルの%1番目に改行が含まれているため、設定データを書き出せません。</source>
        <translation>Saved station profile %1 contains a line break, which the settings record cannot hold. Nothing was written.</translation>
    </message>
</context>
<context>
    <name>SerialPage</name>
    <message>
        <source>ボーレート:</source>
        <translation>Ba&amp;ud rate:</translation>
    </message>
    <message>
        <source>データビット:</source>
        <translation>Data bits:</translation>
    </message>
    <message>
        <source>ストップビット:</source>
        <translation>Stop bits:</translation>
    </message>
    <message>
        <source>パリティ:</source>
        <translation>Parity:</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>偶数</source>
        <translation>E&amp;ven</translation>
    </message>
    <message>
        <source>奇数</source>
        <translation>&amp;Odd</translation>
    </message>
    <message>
        <source>フロー制御:</source>
        <translation>Flow control:</translation>
    </message>
    <message>
        <source>ハードウェア</source>
        <translation>&amp;Hardware</translation>
    </message>
    <message>
        <source>ソフトウェア</source>
        <translation>So&amp;ftware</translation>
    </message>
    <message>
        <source>パックコントロール有効</source>
        <translation>E&amp;nable packing</translation>
    </message>
    <message>
        <source>データ数:</source>
        <translation>Packet si&amp;ze:</translation>
    </message>
    <message>
        <source>バイト</source>
        <translation>bytes</translation>
    </message>
    <message>
        <source>タイムアウト</source>
        <translation>Ti&amp;meout</translation>
    </message>
    <message>
        <source>ミリ秒</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>終了キャラクタ指定</source>
        <translation>&amp;By end character</translation>
    </message>
    <message>
        <source>終了キャラクタ</source>
        <translation>&amp;End character:</translation>
    </message>
    <message>
        <source>終了キャラクタを送信しない</source>
        <translation>&amp;Do not send the end character</translation>
    </message>
    <message>
        <source>終了キャラクタを挿入する</source>
        <translatorcomment>The source calls this the end character; in English it is the trailing character, so that it is not taken for the end character above it.</translatorcomment>
        <translation>Insert a trailing &amp;character</translation>
    </message>
    <message>
        <source>受信データキュー更新条件</source>
        <translation>Receive Queue Update Conditions</translation>
    </message>
    <message>
        <source>ギャップ時間</source>
        <translation>&amp;Gap time:</translation>
    </message>
    <message>
        <source>0設定時は
4データ分の時間</source>
        <translation>0 means the time
of 4 characters</translation>
    </message>
    <message>
        <source>閾値</source>
        <translation>&amp;Threshold:</translation>
    </message>
    <message>
        <source>判定データ</source>
        <translation>Match bytes:</translation>
    </message>
    <message>
        <source>受信データキュー更新条件の判定データ 指定エラー</source>
        <translation>A match byte of the receive queue conditions is not valid.</translation>
    </message>
    <message>
        <source>受信データキュー更新条件の判定データは0x00-0x0F, 0x21-0x7Eである必要があります。</source>
        <translation>Each match byte of the receive queue conditions must be from 0x00 to 0x0F or from 0x21 to 0x7E.</translation>
    </message>
    <message>
        <source>ソフトウェアフロー制御時は230400bpsが最大値です</source>
        <translation>With software flow control, the baud rate can be at most 230400 bits per second.</translation>
    </message>
    <message>
        <source>受信データキュー更新条件の判定データは1バイト目から設定する必要があります。</source>
        <translation>Enter the first match byte of the receive queue conditions before the second.</translation>
    </message>
    <message>
        <source>ミリ秒</source>
        <comment>unit, read out after a field&apos;s name</comment>
        <translatorcomment>Read out by screen readers after the name of a time field (&quot;Timeout in milliseconds&quot;); the unit label beside the field stays &quot;ms&quot;.</translatorcomment>
        <translation>in milliseconds</translation>
    </message>
</context>
<context>
    <name>SettingLabels</name>
    <message>
        <source>SSID:</source>
        <translation>SSID:</translation>
    </message>
    <message>
        <source>CCMP</source>
        <translation>CCMP</translation>
    </message>
    <message>
        <source>TKIP</source>
        <translation>TKIP</translation>
    </message>
    <message>
        <source>キーの形式:</source>
        <translation>Key format:</translation>
    </message>
    <message>
        <source>Xon Char:</source>
        <translation>Xon character:</translation>
    </message>
    <message>
        <source>Xoff Char:</source>
        <translation>Xoff character:</translation>
    </message>
</context>
<context>
    <name>SettingsComparison</name>
    <message>
        <source>オン</source>
        <translation>On</translation>
    </message>
    <message>
        <source>オフ</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>(なし)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>変更あり</source>
        <translation>changed</translation>
    </message>
</context>
<context>
    <name>SettingsImport</name>
    <message>
        <source>設定データの解析に失敗しました。</source>
        <translation>The settings data could not be interpreted.</translation>
    </message>
</context>
<context>
    <name>SettingsSchema</name>
    <message>
        <source>サーバ ポート番号エラー</source>
        <translation>Server: enter a local port number from 0 to 65535.</translation>
    </message>
    <message>
        <source>サーバ 開始キャラクタを設定してください</source>
        <translation>Server: enter a start character.</translation>
    </message>
    <message>
        <source>サーバ 開始キャラクタ指定エラー</source>
        <translation>Server: the start character is not valid.</translation>
    </message>
    <message>
        <source>再接続時間は0から3600までの範囲で設定してください</source>
        <translation>Enter a reconnect time from 0 to 3600 seconds.</translation>
    </message>
    <message>
        <source>クライアント 開始キャラクタを設定してください</source>
        <translation>Client: enter a start character.</translation>
    </message>
    <message>
        <source>クライアント 開始キャラクタ指定エラー</source>
        <translation>Client: the start character is not valid.</translation>
    </message>
    <message>
        <source>ポート番号設定エラー</source>
        <translation>Enter a destination port number from 0 to 65535.</translation>
    </message>
    <message>
        <source>ローカルポート番号設定エラー</source>
        <translation>Enter a destination local port number from 0 to 65535.</translation>
    </message>
    <message>
        <source>切断タイムアウトの設定範囲は2から86400000までです</source>
        <translation>Enter a serial silence time from 2 to 86400000 milliseconds.</translation>
    </message>
    <message>
        <source>切断キャラクタを設定してください</source>
        <translation>Enter a disconnect character.</translation>
    </message>
    <message>
        <source>切断キャラクタ指定エラー</source>
        <translation>The disconnect character is not valid.</translation>
    </message>
    <message>
        <source>データ数は100～1460の範囲で入力してください</source>
        <translation>Enter a packet size from 100 to 1460 bytes.</translation>
    </message>
    <message>
        <source>タイムアウト値は1から30000の範囲である必要があります</source>
        <translation>Enter a packing timeout from 1 to 30000 milliseconds.</translation>
    </message>
    <message>
        <source>開始キャラクタを設定してください</source>
        <translatorcomment>Checks the packing end character of the serial page; the source calls it a start character.</translatorcomment>
        <translation>Enter an end character.</translation>
    </message>
    <message>
        <source>開始キャラクタ指定エラー</source>
        <translatorcomment>Checks the packing end character of the serial page; the source calls it a start character.</translatorcomment>
        <translation>The end character is not valid.</translation>
    </message>
    <message>
        <source>終了キャラクタを設定してください</source>
        <translatorcomment>Checks the character the serial page inserts after the end character; the source calls it an end character.</translatorcomment>
        <translation>Enter a trailing character.</translation>
    </message>
    <message>
        <source>終了キャラクタ指定エラー</source>
        <translatorcomment>Checks the character the serial page inserts after the end character; the source calls it an end character.</translatorcomment>
        <translation>The trailing character is not valid.</translation>
    </message>
    <message>
        <source>BPS設定エラー</source>
        <translation>Enter a baud rate from 9600 to 4000000 bits per second.</translation>
    </message>
    <message>
        <source>XOn 文字エラー</source>
        <translation>The Xon character is not valid.</translation>
    </message>
    <message>
        <source>XOff 文字エラー</source>
        <translation>The Xoff character is not valid.</translation>
    </message>
    <message>
        <source>受信データキュー更新条件のギャップ時間は0～5000の範囲で入力してください</source>
        <translation>Enter a receive queue gap time from 0 to 5000 milliseconds.</translation>
    </message>
    <message>
        <source>受信データキュー更新条件の閾値は10～513の範囲で入力してください</source>
        <translation>Enter a receive queue threshold from 10 to 513 bytes.</translation>
    </message>
</context>
<context>
    <name>StationProfilesDialog</name>
    <message>
        <source>プロファイルは最大4つまでです。</source>
        <translation>The device can hold at most 4 station profiles.</translation>
    </message>
    <message>
        <source>選択したプロファイルを %1 に変更します。<byte value="xd"/>
この操作は即座に反映されます。</source>
        <translation>The selected profile will be set to &quot;%1&quot;.<byte value="xd"/>
The change takes effect at once.</translation>
    </message>
    <message>
        <source>プロファイルを %1 に変更しました。</source>
        <translation>The profile was set to &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>プロファイルの変更に失敗しました。

</source>
        <translation>The profile could not be changed.

</translation>
    </message>
    <message>
        <source>選択したプロファイルを削除します。<byte value="xd"/>
この操作は即座に反映されます。</source>
        <translation>The selected profile will be deleted.<byte value="xd"/>
The change takes effect at once.</translation>
    </message>
    <message>
        <source>プロファイルを削除しました。</source>
        <translation>The profile was deleted.</translation>
    </message>
    <message>
        <source>プロファイルの削除に失敗しました。

</source>
        <translation>The profile could not be deleted.

</translation>
    </message>
    <message>
        <source>有効</source>
        <translation>Enabled</translation>
    </message>
    <message>
        <source>無効</source>
        <translation>Disabled</translation>
    </message>
    <message>
        <source>接続先の設定</source>
        <translation>Station Profiles</translation>
    </message>
    <message>
        <source>状態</source>
        <translation>State</translation>
    </message>
    <message>
        <source>セキュリティ</source>
        <translation>Security</translation>
    </message>
    <message>
        <source>保存済プロファイル</source>
        <translation>Sa&amp;ved profiles:</translation>
    </message>
    <message>
        <source>プロファイルを新規追加</source>
        <translation>&amp;Add Profile…</translation>
    </message>
    <message>
        <source>選択中プロファイルの有効無効切り替え</source>
        <translation>&amp;Enable/Disable</translation>
    </message>
    <message>
        <source>選択中プロファイルを削除</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>接続先アクセスポイントの検索</source>
        <translation>Scan for Access Points</translation>
    </message>
    <message>
        <source>選択中のアクセスポイントをプロファイルに追加</source>
        <translation>Add as &amp;Profile…</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progress</translation>
    </message>
</context>
<context>
    <name>WindowDialogs</name>
    <message>
        <source>XML files(*.xml)</source>
        <translation>XML files (*.xml)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>All files (*)</translation>
    </message>
</context>
<context>
    <name>WirelessPage</name>
    <message>
        <source>IPアドレス:</source>
        <translation>IP address:</translation>
    </message>
    <message>
        <source>サブネットマスク:</source>
        <translation>Subnet mask:</translation>
    </message>
    <message>
        <source>デフォルトゲートウェイ:</source>
        <translation>Default gateway:</translation>
    </message>
    <message>
        <source>プライマリDNS:</source>
        <translation>Primary DNS:</translation>
    </message>
    <message>
        <source>セカンダリDNS:</source>
        <translation>Secondary DNS:</translation>
    </message>
    <message>
        <source>STAモードのIPアドレスが正しくありません。</source>
        <translation>The station mode IP address is not valid.</translation>
    </message>
    <message>
        <source>STAモードのサブネットマスクが正しくありません。</source>
        <translation>The station mode subnet mask is not valid.</translation>
    </message>
    <message>
        <source>STAモードのデフォルトゲートウェイが正しくありません。</source>
        <translation>The station mode default gateway is not valid.</translation>
    </message>
    <message>
        <source>STAモードのプライマリDNSが正しくありません。</source>
        <translation>The station mode primary DNS is not valid.</translation>
    </message>
    <message>
        <source>STAモードのセカンダリDNSが正しくありません。</source>
        <translation>The station mode secondary DNS is not valid.</translation>
    </message>
    <message>
        <source>APモードのDHCP 開始アドレスが正しくありません。</source>
        <translation>The AP mode DHCP start address is not valid.</translation>
    </message>
    <message>
        <source>APモードのDHCP 終了アドレスが正しくありません。</source>
        <translation>The AP mode DHCP end address is not valid.</translation>
    </message>
    <message>
        <source>APモードのIPアドレスが正しくありません。</source>
        <translation>The AP mode IP address is not valid.</translation>
    </message>
    <message>
        <source>APモードのサブネットマスクが正しくありません。</source>
        <translation>The AP mode subnet mask is not valid.</translation>
    </message>
    <message>
        <source>APモードのデフォルトゲートウェイが正しくありません。</source>
        <translation>The AP mode default gateway is not valid.</translation>
    </message>
    <message>
        <source>APモードのプライマリDNSが正しくありません。</source>
        <translation>The AP mode primary DNS is not valid.</translation>
    </message>
    <message>
        <source>APモードのセカンダリDNSが正しくありません。</source>
        <translation>The AP mode secondary DNS is not valid.</translation>
    </message>
    <message>
        <source>APモードの無線LANチャンネル設定が無線バント設定と合っていません。</source>
        <translation>The AP mode channel does not match the band.</translation>
    </message>
    <message>
        <source>STAモードの接続先を設定するためには、設定をデバイスから読み込む必要があります。</source>
        <translation>To edit the station profiles, read the settings from the device first.</translation>
    </message>
    <message>
        <source>現在のIPアドレス :</source>
        <translation>Current IP address:</translation>
    </message>
    <message>
        <source>STAモード</source>
        <translation>Station mode</translation>
    </message>
    <message>
        <source>APモード</source>
        <translation>AP mode</translation>
    </message>
    <message>
        <source>バンド</source>
        <translation>Band:</translation>
    </message>
    <message>
        <source>デュアル</source>
        <translation>&amp;Dual</translation>
    </message>
    <message>
        <source>STAモード 有効</source>
        <translation>Enable stati&amp;on mode</translation>
    </message>
    <message>
        <source>接続先APの設定</source>
        <translation>Station Pro&amp;files…</translation>
    </message>
    <message>
        <source>優先度:</source>
        <translation>Priority:</translation>
    </message>
    <message>
        <source>キープアライブ有効</source>
        <translation>Enable keep-ali&amp;ve</translation>
    </message>
    <message>
        <source>IPアドレス自動取得</source>
        <translation>&amp;Get an IP address automatically</translation>
    </message>
    <message>
        <source>APモード 有効</source>
        <translation>Ena&amp;ble AP mode</translation>
    </message>
    <message>
        <source>APモードの設定</source>
        <translation>AP &amp;Mode Settings…</translation>
    </message>
    <message>
        <source>DHCPの範囲:</source>
        <translation>DHCP range:</translation>
    </message>
    <message>
        <source>開始:</source>
        <translation>S&amp;tart:</translation>
    </message>
    <message>
        <source>終了:</source>
        <translation>&amp;End:</translation>
    </message>
</context>
<context>
    <name>WriteConfirmationDialog</name>
    <message>
        <source>書き込みの確認</source>
        <translation>Confirm Write</translation>
    </message>
    <message>
        <source>設定の書き込みを行います。
無線、STA、APモード設定の反映にはリセットが必要です。</source>
        <translation>The settings will be written to the device.
Wireless, station and AP mode settings take effect after a reset.</translation>
    </message>
    <message>
        <source>書き込みのみを行う</source>
        <translation>&amp;Write Only</translation>
    </message>
    <message>
        <source>書き込みとリセットを行う</source>
        <translation>Write and &amp;Reset</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>書き込みで変わる設定はありません。</source>
        <translation>The write changes no setting.</translation>
    </message>
    <message>
        <source>書き込みで変わる設定 (%1 件):</source>
        <translation>Settings the write changes (%1):</translation>
    </message>
</context>
<context>
    <name>marlo-cli</name>
    <message>
        <source>コードページ932で表せない文字が含まれています。</source>
        <translation>It contains characters that code page 932 cannot hold.</translation>
    </message>
    <message>
        <source>記録にこのSSIDのステーションプロファイルがありません。</source>
        <translation>The record has no station profile with this SSID.</translation>
    </message>
    <message>
        <source>marlo-cli: %1 を読み込めません: %2</source>
        <translation>marlo-cli: cannot read %1: %2</translation>
    </message>
    <message>
        <source>marlo-cli: %1 に書き込めません: %2</source>
        <translation>marlo-cli: cannot write %1: %2</translation>
    </message>
    <message>
        <source>marlo-cli: 標準出力に書き込めません</source>
        <translation>marlo-cli: cannot write to standard output</translation>
    </message>
    <message>
        <source>marlo-cli: %1 の値を記録に書き込めません: %2</source>
        <translation>marlo-cli: the record cannot hold a value of %1: %2</translation>
    </message>
    <message>
        <source>marlo-cli: ポート: %1</source>
        <translation>marlo-cli: port: %1</translation>
    </message>
    <message>
        <source>使い方: marlo-cli %1</source>
        <translation>usage: marlo-cli %1</translation>
    </message>
    <message>
        <source>使い方:</source>
        <translation>usage:</translation>
    </message>
    <message>
        <source>コマンドの前の --lang ja|en でメッセージの言語を選びます。指定がなければロケールの言語です。</source>
        <translation>Before the command, --lang ja|en sets the language of messages; without it, the locale&apos;s.</translation>
    </message>
    <message>
        <source>marlo-cli: --set %1: そのような設定はありません</source>
        <translation>marlo-cli: --set %1: there is no such setting</translation>
    </message>
    <message>
        <source>marlo-cli: --set %1: 値 %2 は設定できません</source>
        <translation>marlo-cli: --set %1: the value %2 cannot be taken</translation>
    </message>
    <message>
        <source>書き込んだ設定をデバイスが保持していません。</source>
        <translation>The device does not hold what was written.</translation>
    </message>
    <message>
        <source>書き込みの後、デバイスから設定を読み込めませんでした。</source>
        <translation>The settings could not be read from the device after the write.</translation>
    </message>
    <message>
        <source>読み込み中…</source>
        <translation>reading…</translation>
    </message>
    <message>
        <source>書き込み中…</source>
        <translation>writing…</translation>
    </message>
    <message>
        <source>確認中…</source>
        <translation>checking…</translation>
    </message>
    <message>
        <source>変更なし</source>
        <translation>unchanged</translation>
    </message>
    <message>
        <source>変更しました</source>
        <translation>changed</translation>
    </message>
    <message>
        <source>変更されます (試行)</source>
        <translation>would change (dry run)</translation>
    </message>
    <message>
        <source>設定が拒否されました</source>
        <translation>refused</translation>
    </message>
    <message>
        <source>失敗しました</source>
        <translation>failed</translation>
    </message>
</context>
<context>
    <name>marlo::MainWindow</name>
    <message>
        <source>設定データをファイルに保存しました。</source>
        <translation>The settings were saved to the file.</translation>
    </message>
    <message>
        <source>設定データをファイルからロードしました。</source>
        <translation>The settings were loaded from the file.</translation>
    </message>
    <message>
        <source>デバイスが接続されていません。</source>
        <translatorcomment>Shown at start-up when no serial port is found; the English says what to do rather than translating the source word for word.</translatorcomment>
        <translation>No serial port was found. Plug in the device&apos;s USB serial adapter, then start Marlo again.</translation>
    </message>
    <message>
        <source>デバイスからデータを読み込みました。</source>
        <translation>The settings were read from the device.</translation>
    </message>
    <message>
        <source>ファームウェア</source>
        <translatorcomment>Read out by screen readers before the firmware line (&quot;Device Firmware version : 2.1&quot;): the line already says &quot;Firmware version&quot;, so the name says whose it is.</translatorcomment>
        <translation>Device</translation>
    </message>
    <message>
        <source>バージョン</source>
        <translatorcomment>Read out by screen readers before the version line (&quot;Program Version 1.06&quot;): the line already says &quot;Version&quot;, so the name says whose it is.</translatorcomment>
        <translation>Program</translation>
    </message>
    <message>
        <source>接続USB-COM</source>
        <translatorcomment>COM is a Windows word; on Linux the list holds serial ports.</translatorcomment>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>デバイスから読み込み</source>
        <translation>&amp;Read from Device</translation>
    </message>
    <message>
        <source>デバイスへの書き込み</source>
        <translation>&amp;Write to Device…</translation>
    </message>
    <message>
        <source>無線/IPアドレス</source>
        <translation>Wireless/&amp;IP Address</translation>
    </message>
    <message>
        <source>ネットワーク</source>
        <translation>Networ&amp;k</translation>
    </message>
    <message>
        <source>シリアルポート</source>
        <translation>Seri&amp;al Port</translation>
    </message>
    <message>
        <source>ファイルから読み込み</source>
        <translation>&amp;Load from File…</translation>
    </message>
    <message>
        <source>ファイルに保存</source>
        <translation>&amp;Save to File…</translation>
    </message>
    <message>
        <source>デバイスに設定を書き込みました。</source>
        <translation>The settings were written to the device.</translation>
    </message>
    <message>
        <source>バックアップ</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>書き込みも保存もしていない変更があります。変更を破棄しますか?</source>
        <translation>Some changes were neither written nor saved. Discard the changes?</translation>
    </message>
    <message>
        <source>履歴…</source>
        <translation>&amp;History…</translation>
    </message>
</context>
</TS>

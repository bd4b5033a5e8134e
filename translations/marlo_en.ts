<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>AccessPointDialog</name>
    <message>
        <source>SSIDは最大32文字です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SSIDは数字、アルファベット、ハイフン、アンダーバーのみ指定できます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パスワードは8文字以上、63文字以内である必要があります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パスワードに使用できない文字が含まれています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APモードの設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スキャン要求を許可</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>無線LANチャンネル:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>セキュリティ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>暗号化の有効</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パスワード:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自動</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AddressRefusal</name>
    <message>
        <source>STAモードのIPアドレスが正しくありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APモードのIPアドレスが正しくありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STAモードのサブネットマスクが正しくありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APモードのサブネットマスクが正しくありません。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DestinationsDialog</name>
    <message>
        <source>接続先の編集</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>再接続時間:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>秒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>送信先以外からのUDP受信を破棄する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プロトコル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>アドレス</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ポート</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ローカル
ポート</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>接続時送信文字列</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>接続先%1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>接続順序</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>順次接続</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>複数同時</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>前回接続した次の接続先</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>接続先%1のアドレスに使用できない文字が含まれています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ポート番号を設定してください</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>接続先%1の接続時送信文字列に使用できない文字が含まれています。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DestinationsSummary</name>
    <message>
        <source>プロトコル: TCP
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プロトコル: UDP
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NetworkPage</name>
    <message>
        <source>常時</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>シリアルデータ受信時</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開始キャラクタ受信時</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DSRアクティブ時(Orvane)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開始キャラクタ   0x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開始キャラクタを送信しない</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サーバモード有効</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>接続待ち開始条件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サーバ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>複数接続の許可</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ローカルポート番号:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>接続パスワードを使用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パスワード文字列:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>接続時シリアルバッファをクリア</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クライアントモード有効 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>接続要求条件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クライアント</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>接続先:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>接続先の登録</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>接続時シリアルバッファクリアする</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指定キャラクタで切断</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>シリアル無通信時間で切断</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ミリ秒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DSRノンアクティブ時に切断(Orvane)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>切断時シリアルバッファをクリア</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パスワード文字列に使用できない文字が含まれています。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>パスワードに使用できない文字が含まれています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パスワードの入力</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このパスワードはファイルに保存しない</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルへの保存を中断する</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>31文字以内である必要があります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>64文字である必要があります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8文字以上、63文字以内である必要があります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルに保存する [ APモード パスワード ] を入力してください。
（8文字以上、63文字以内）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APモード パスワードを保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルに保存する[ サーバモード 接続パスワード ]を入力してください。
（31文字以内）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サーバモード 接続パスワードを保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルに保存する SSID [ %1 ] プロファイルの接続パスワードを入力してください。(16進数64文字)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルに保存する SSID [ %1 ] プロファイルの接続パスワードを入力してください。(8文字以上、63文字以内)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SSIDプロファイルを保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このSSIDのプロファイルは保存しない</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortCommands</name>
    <message>
        <source>デバイスとの通信に失敗しました。

設定直後であればしばらく待って再試行してください。
または一度アプリケーションを閉じてやりなおしてください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定の書き込みに失敗しました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通信エラー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>解析エラー</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortOpenFailure</name>
    <message>
        <source>ポート %1 を開く権限がありません。ポートはグループ「%2」に属しています。「sudo usermod -aG %2 $USER」で参加し、ログインし直してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ポート %1 は他のプログラム（%2）が使用中です。そのプログラムを終了してから再試行してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ポート %1 は他のプログラムが使用中です。そのプログラムを終了してから再試行してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ポート %1 が見つかりません。アダプタが取り外された可能性があります。接続を確認してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ポート %1 を開けませんでした（%2）。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfileEditorDialog</name>
    <message>
        <source>この内容のプロファイルを登録します。<byte value="xd"/>
この操作は即座に反映されます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プロファイルの追加に失敗しました。

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プロファイルを追加しました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SSIDに使用できない文字が含まれています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パスワードに使用できない文字が含まれています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SSIDを入力してください</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パスワードを入力してください</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パスワードは8文字以上、63文字以内である必要があります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HEX指定時のKeyは0-9 A-Fで入力してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>入力桁数は %1 または %2 桁である必要があります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>入力桁数は 10 または 26 桁で統一してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>選択した欄のパスワードを入力してください</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プロファイルの編集</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このプロファイルを有効とする</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>セキュリティ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>暗号化の有効</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パスワード / Key:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SerialPage</name>
    <message>
        <source>ボーレート:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>データビット:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ストップビット:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パリティ:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>なし</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>偶数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>奇数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フロー制御:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ハードウェア</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ソフトウェア</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パックコントロール有効</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>データ数:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>バイト</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>タイムアウト</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ミリ秒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>終了キャラクタ指定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>終了キャラクタ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>終了キャラクタを送信しない</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>終了キャラクタを挿入する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>受信データキュー更新条件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ギャップ時間</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0設定時は
4データ分の時間</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>閾値</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>判定データ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>受信データキュー更新条件の判定データ 指定エラー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>受信データキュー更新条件の判定データは0x00-0x0F, 0x21-0x7Eである必要があります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ソフトウェアフロー制御時は230400bpsが最大値です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>受信データキュー更新条件の判定データは1バイト目から設定する必要があります。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsImport</name>
    <message>
        <source>設定データの解析に失敗しました。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsSchema</name>
    <message>
        <source>サーバ ポート番号エラー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サーバ 開始キャラクタを設定してください</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サーバ 開始キャラクタ指定エラー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>再接続時間は0から3600までの範囲で設定してください</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クライアント 開始キャラクタを設定してください</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クライアント 開始キャラクタ指定エラー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ポート番号設定エラー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ローカルポート番号設定エラー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>切断タイムアウトの設定範囲は2から86400000までです</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>切断キャラクタを設定してください</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>切断キャラクタ指定エラー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>データ数は100～1460の範囲で入力してください</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>タイムアウト値は1から30000の範囲である必要があります</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開始キャラクタを設定してください</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開始キャラクタ指定エラー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>終了キャラクタを設定してください</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>終了キャラクタ指定エラー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BPS設定エラー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XOn 文字エラー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XOff 文字エラー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>受信データキュー更新条件のギャップ時間は0～5000の範囲で入力してください</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>受信データキュー更新条件の閾値は10～513の範囲で入力してください</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StationProfilesDialog</name>
    <message>
        <source>プロファイルは最大4つまでです。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>選択したプロファイルを %1 に変更します。<byte value="xd"/>
この操作は即座に反映されます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プロファイルを %1 に変更しました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プロファイルの変更に失敗しました。

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>選択したプロファイルを削除します。<byte value="xd"/>
この操作は即座に反映されます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プロファイルを削除しました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プロファイルの削除に失敗しました。

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通信エラー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>解析エラー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>有効</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>無効</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>接続先の設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>状態</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>セキュリティ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存済プロファイル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プロファイルを新規追加</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>選択中プロファイルの有効無効切り替え</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>選択中プロファイルを削除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>接続先アクセスポイントの検索</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>選択中のアクセスポイントをプロファイルに追加</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowDialogs</name>
    <message>
        <source>XML files(*.xml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WirelessPage</name>
    <message>
        <source>IPアドレス:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サブネットマスク:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>デフォルトゲートウェイ:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プライマリDNS:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>セカンダリDNS:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STAモードのIPアドレスが正しくありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STAモードのサブネットマスクが正しくありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STAモードのデフォルトゲートウェイが正しくありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STAモードのプライマリDNSが正しくありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STAモードのセカンダリDNSが正しくありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APモードのDHCP 開始アドレスが正しくありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APモードのDHCP 終了アドレスが正しくありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APモードのIPアドレスが正しくありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APモードのサブネットマスクが正しくありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APモードのデフォルトゲートウェイが正しくありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APモードのプライマリDNSが正しくありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APモードのセカンダリDNSが正しくありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APモードの無線LANチャンネル設定が無線バント設定と合っていません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STAモードの接続先を設定するためには、設定をデバイスから読み込む必要があります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>現在のIPアドレス :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STAモード</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APモード</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>バンド</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>デュアル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STAモード 有効</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>接続先APの設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>優先度:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キープアライブ有効</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IPアドレス自動取得</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APモード 有効</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APモードの設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DHCPの範囲:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開始:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>終了:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WriteConfirmationDialog</name>
    <message>
        <source>書き込みの確認</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定の書き込みを行います。
無線、STA、APモード設定の反映にはリセットが必要です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>書き込みのみを行う</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>書き込みとリセットを行う</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>marlo::MainWindow</name>
    <message>
        <source>設定データをファイルに保存しました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定データをファイルからロードしました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>デバイスが接続されていません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>デバイスとの通信に失敗しました。

設定直後であればしばらく待って再試行してください。
または一度アプリケーションを閉じてやりなおしてください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>デバイスからデータを読み込みました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファームウェア</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>バージョン</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>接続USB-COM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>デバイスから読み込み</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>デバイスへの書き込み</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>無線/IPアドレス</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ネットワーク</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>シリアルポート</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルから読み込み</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルに保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定の書き込みに失敗しました。

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>デバイスに設定を書き込みました。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

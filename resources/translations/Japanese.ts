<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>ColorWheelTool</name>
    <message>
        <source>ColorWheelTool</source>
        <translation>カラーホイール</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>フルカラー</translation>
    </message>
    <message>
        <source>Top Color</source>
        <translation>上の色</translation>
    </message>
    <message>
        <source>Bottom Color</source>
        <translation>下の色</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>明るさ</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>暗い</translation>
    </message>
    <message>
        <source>Bright</source>
        <translation>明るい</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>遅い</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>速い</translation>
    </message>
</context>
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>关联：</source>
        <translation>関連：</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>左クリック</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>中クリック</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右クリック</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Assign proFile</source>
        <translation>プロファイルを割り当て</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>キーの割り当て変更</translation>
    </message>
    <message>
        <source>Remap with key ？</source>
        <translation>割り当てるキー ？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>DCustomEventListItem</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Macro:</source>
        <translation>マクロ:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>プロファイル:</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>不明</translation>
    </message>
</context>
<context>
    <name>DCustomEventListPage</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>No custom features added</source>
        <translation>カスタム機能はありません</translation>
    </message>
</context>
<context>
    <name>DCustomEventWidget</name>
    <message>
        <source>DCustomEventWidget</source>
        <translation>DCustomEventWidget</translation>
    </message>
</context>
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>カスタムライト</translation>
    </message>
</context>
<context>
    <name>DDeviceListItem</name>
    <message>
        <source>Product</source>
        <translation>製品</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>Product</source>
        <translation>製品</translation>
    </message>
    <message>
        <source>Keyboard Name</source>
        <translation>キーボード名</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>デバイスが接続されていません</translation>
    </message>
    <message>
        <source>Profile 1</source>
        <translation>プロファイル 1</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>キー設定</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>ライティング設定</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>キーボード</translation>
    </message>
    <message>
        <source>Side Light</source>
        <translation>サイドライト</translation>
    </message>
    <message>
        <source>Profile Group </source>
        <translation>プロファイル</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>プロファイル名</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>プロファイル名</translation>
    </message>
    <message>
        <source>Link profile to program</source>
        <translation>プログラム連携</translation>
    </message>
    <message>
        <source>App path：/usr/bin/firefox</source>
        <translation>アプリのパス：/usr/bin/firefox</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>アプリケーションを選択</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>APP mode</source>
        <translation>アプリモード</translation>
    </message>
    <message>
        <source>Onboard Editor</source>
        <translation>オンボード編集</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>デフォルトレイヤー</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1 レイヤー</translation>
    </message>
    <message>
        <source>Set FN1</source>
        <translation>FN1 を設定</translation>
    </message>
    <message>
        <source>Light Synchronize</source>
        <translation>ライト同期</translation>
    </message>
    <message>
        <source>Log infomsg</source>
        <translation>ログメッセージ</translation>
    </message>
    <message>
        <source>Restore factory settings</source>
        <translation>工場出荷時設定に戻す</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>書き込み</translation>
    </message>
    <message>
        <source>Lighting Effect</source>
        <translation>ライティング効果</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>パフォーマンス</translation>
    </message>
    <message>
        <source>Custom List</source>
        <translation>カスタムリスト</translation>
    </message>
    <message>
        <source>DPI Config</source>
        <translation>DPI 設定</translation>
    </message>
    <message>
        <source>Soft Keyboard</source>
        <translation>ソフトキーボード</translation>
    </message>
    <message>
        <source>Please open hid first!</source>
        <translation>先にデバイスを接続してください！</translation>
    </message>
    <message>
        <source>Currently in On-board mode, please exit first</source>
        <translation>現在オンボードモードです。先に終了してください</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>デフォルト</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>マクロ</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>キーの割り当て変更</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>マウス</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>無効化</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>マルチメディア</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>キーの組み合わせ</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>アプリを起動</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>ショートカット</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>プロファイル切替</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>スタティック</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>ネオン</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>ブリージング</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>ウェーブ</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>トゥインクル</translation>
    </message>
    <message>
        <source>Snack</source>
        <translation>スネーク</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>レーダー</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>オーロラ</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>リップル</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>スピードレスポンス</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>リアクティブ</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>クロス</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>ミュージックリズム</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>オートリップル</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>ストライプ</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>花火</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>コリジョン</translation>
    </message>
    <message>
        <source>The profile file could not be read; it was kept as %1 and a new one was made.</source>
        <translation>プロファイルファイルを読み込めませんでした。%1 として保存し、新しいファイルを作成しました。</translation>
    </message>
    <message>
        <source>The profile file could not be written.</source>
        <translation>プロファイルファイルを書き込めませんでした。</translation>
    </message>
    <message>
        <source>The profile file cannot be read for lack of permission; it was left as it is.</source>
        <translation>権限がないためプロファイルファイルを読み込めません。ファイルはそのまま残されています。</translation>
    </message>
    <message>
        <source>The device is not support On-board</source>
        <translation>このデバイスはオンボードメモリに対応していません</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>カスタムライトの名前は空にできません</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>カスタムライトの名前を変更しました</translation>
    </message>
    <message>
        <source>Set light effect successfully</source>
        <translation>ライト効果を設定しました</translation>
    </message>
    <message>
        <source>Open light successful</source>
        <translation>ライトをオンにしました</translation>
    </message>
    <message>
        <source>Close light successful</source>
        <translation>ライトをオフにしました</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>1回再生</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>複数回再生</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>連続再生 オン/オフ</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>キーを押している間再生</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>L_CTRL</source>
        <translation>L_CTRL</translation>
    </message>
    <message>
        <source>L_SHIFT</source>
        <translation>L_SHIFT</translation>
    </message>
    <message>
        <source>L_ALT</source>
        <translation>L_ALT</translation>
    </message>
    <message>
        <source>L_WIN</source>
        <translation>L_WIN</translation>
    </message>
    <message>
        <source>R_CTRL</source>
        <translation>R_CTRL</translation>
    </message>
    <message>
        <source>R_SHIFT</source>
        <translation>R_SHIFT</translation>
    </message>
    <message>
        <source>R_ALT</source>
        <translation>R_ALT</translation>
    </message>
    <message>
        <source>R_WIN</source>
        <translation>R_WIN</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>左ボタン</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>中ボタン</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>右ボタン</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>ホイール上</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>ホイール下</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>進む</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>スナイパーボタン</translation>
    </message>
    <message>
        <source>Fast config successful</source>
        <translation>クイック設定に成功しました</translation>
    </message>
    <message>
        <source>Fast config failed</source>
        <translation>クイック設定に失敗しました</translation>
    </message>
    <message>
        <source>Onboard Download [Failed]</source>
        <translation>オンボードダウンロード [失敗]</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>The keyboard holds at most 10 macros</source>
        <translation>キーボードに保存できるマクロは 10 個までです</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>ダウンロードに失敗しました。もう一度お試しください</translation>
    </message>
    <message>
        <source>Write Start</source>
        <translation>書き込み開始</translation>
    </message>
    <message>
        <source>Write Over</source>
        <translation>書き込み完了</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>ダウンロードに成功しました</translation>
    </message>
    <message>
        <source>Whether to restore the factory settings?</source>
        <translation>工場出荷時の設定に戻しますか？</translation>
    </message>
    <message>
        <source>Restore the factory settings failed</source>
        <translation>工場出荷時の設定に戻せませんでした</translation>
    </message>
    <message>
        <source>Restore the factory settings successful</source>
        <translation>工場出荷時の設定に戻しました</translation>
    </message>
    <message>
        <source>Config name can&apos;t be empty</source>
        <translation>設定名を空にすることはできません</translation>
    </message>
    <message>
        <source>Modify config name successful</source>
        <translation>設定名を変更しました</translation>
    </message>
    <message>
        <source>Please select one Key first!</source>
        <translation>先にキーを選択してください！</translation>
    </message>
    <message>
        <source>Set FN key successful</source>
        <translation>FN キーを設定しました</translation>
    </message>
    <message>
        <source>Set FN1 key successful</source>
        <translation>FN1 キーを設定しました</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>プロファイルファイルを開く</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>プロファイルファイル(*.xml)</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>保存先フォルダー</translation>
    </message>
    <message>
        <source>Create new config failed</source>
        <translation>設定を作成できませんでした</translation>
    </message>
    <message>
        <source>Create new config successful</source>
        <translation>新しい設定を作成しました</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>先に保存先フォルダーを選択してください</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>プロファイルをエクスポートしました</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>プロファイルのエクスポートに失敗しました</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>先にインポートするファイルを選択してください</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>プロファイルのインポートに失敗しました</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>プロファイルをインポートしました</translation>
    </message>
    <message>
        <source>Need keep at least one config</source>
        <translation>少なくとも 1 つの設定を残す必要があります</translation>
    </message>
    <message>
        <source>Delete config successful</source>
        <translation>設定を削除しました</translation>
    </message>
    <message>
        <source>Restore config successful</source>
        <translation>設定を元に戻しました</translation>
    </message>
    <message>
        <source>Do you want to keep the FN key setting?</source>
        <translation>FN キーの設定を残しますか？</translation>
    </message>
    <message>
        <source>Do you want to keep the FN1 key setting?</source>
        <translation>FN1 キーの設定を残しますか？</translation>
    </message>
    <message>
        <source>Clean layer failed</source>
        <translation>レイヤーをクリアできませんでした</translation>
    </message>
    <message>
        <source>Clean layer successful</source>
        <translation>レイヤーをクリアしました</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>空</translation>
    </message>
    <message>
        <source>Empty the key successful</source>
        <translation>キーをクリアしました</translation>
    </message>
    <message>
        <source>Set light effect failed</source>
        <translation>ライト効果の設定に失敗しました</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>カスタムライトの名前を変更できませんでした</translation>
    </message>
    <message>
        <source>Add profile successful</source>
        <translation>プロファイルを追加しました</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>プロファイル数が上限に達しました</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>プロファイルは少なくとも1つ必要です</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>プロファイルを削除しました</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>プログラムを選択</translation>
    </message>
    <message>
        <source>App(*)</source>
        <translation>プログラム(*)</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>プロファイル名を空にすることはできません</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>プロファイル情報を変更しました</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>現在のプロファイルをリセットしますか？</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>現在のプロファイルをリセットしました</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>左クリック</translation>
    </message>
    <message>
        <source>Dpi Loop</source>
        <translation>DPI 切替</translation>
    </message>
    <message>
        <source>Forward_L</source>
        <translation>進む_左</translation>
    </message>
    <message>
        <source>Backward_L</source>
        <translation>戻る_左</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右クリック</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>中クリック</translation>
    </message>
    <message>
        <source>Forward_R</source>
        <translation>進む_右</translation>
    </message>
    <message>
        <source>Backward_R</source>
        <translation>戻る_右</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>操作に失敗しました</translation>
    </message>
    <message>
        <source>The sound cannot be captured: Musical Rhythm needs a running sound server.</source>
        <translation>音声をキャプチャできません。ミュージックリズムにはサウンドサーバーの起動が必要です。</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>操作に成功しました</translation>
    </message>
    <message>
        <source>The mouse cannot take this macro: at most 50 key or button events.</source>
        <translation>このマクロはマウスに送れません：キーまたはボタンのイベントは最大50個です。</translation>
    </message>
</context>
<context>
    <name>DDpiConfigListItem</name>
    <message>
        <source>DDpiConfigListItem</source>
        <translation>DDpiConfigListItem</translation>
    </message>
    <message>
        <source>Sniper</source>
        <translation>狙撃</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>X/Y:</source>
        <translation>X/Y:</translation>
    </message>
</context>
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>ファームウェア情報</translation>
    </message>
</context>
<context>
    <name>DHomeDeviceListItem</name>
    <message>
        <source>DHomeDeviceListItem</source>
        <translation>DHomeDeviceListItem</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>製品</translation>
    </message>
    <message>
        <source>My Keyboard Name</source>
        <translation>マイキーボード名</translation>
    </message>
</context>
<context>
    <name>DHomeDeviceListWidget</name>
    <message>
        <source>DHomeDeviceListWidget</source>
        <translation>DHomeDeviceListWidget</translation>
    </message>
</context>
<context>
    <name>DHomePage</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>デバイスが接続されていません</translation>
    </message>
    <message>
        <source>www.example.com</source>
        <translation>www.example.com</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:14pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:14pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</source>
        <translation>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:14pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:14pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>ショートカット</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>デスクトップを表示</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>ウィンドウを閉じる</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>PCをロック</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>マイPCを開く</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>キーの組み合わせ</translation>
    </message>
    <message>
        <source>Enter key？</source>
        <translation>キーを入力？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Disable Key</source>
        <translation>キーを無効化</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Select app</source>
        <translation>アプリを選択</translation>
    </message>
    <message>
        <source>App path：/usr/bin/gimp</source>
        <translation>アプリのパス：/usr/bin/gimp</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>アプリを選択</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>ファイルを選択</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>テキストを入力 ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>DLinkagePage</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Linkage</source>
        <translation>連動</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>ログイン</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>再生方法</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>1回再生</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>複数回再生</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>連続再生 オン/オフ</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>押している間</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>マクロを割り当て</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>再生回数</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>再生回数 1,2,3...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Macro Group </source>
        <translation>マクログループ </translation>
    </message>
    <message>
        <source>Delay setting</source>
        <translation>遅延設定</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>記録した遅延</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>遅延なし</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>既定の遅延</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ミリ秒</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>記録</translation>
    </message>
    <message>
        <source>Macro record</source>
        <translation>マクロの記録</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>記録がありません</translation>
    </message>
    <message>
        <source>0 MS</source>
        <translation>0 ミリ秒</translation>
    </message>
    <message>
        <source>Insert Macro</source>
        <translation>マクロに挿入</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>後にイベントを挿入</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>前にイベントを挿入</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>イベント</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>キーボード</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>マウス</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>遅延</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>キーを押してください</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>左クリック</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>中クリック</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右クリック</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>遅延を入力してください</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>挿入</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>プロパティ</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>マウス</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上へ</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下へ</translation>
    </message>
    <message>
        <source>Recording could not start</source>
        <translation>記録を開始できませんでした</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>マクロの記録を開始</translation>
    </message>
    <message>
        <source>Keys and clicks are recorded only in this program&apos;s windows</source>
        <translation>キーとクリックはこのプログラムのウィンドウ内でのみ記録されます</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>マクロの記録を停止</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>記録の保存に失敗しました</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Delete failed</source>
        <translation>削除に失敗しました</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>先に位置を選択してください</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>イベント数が上限に達しました</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>挿入に失敗しました</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>挿入しました</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>変更に失敗しました</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>変更しました</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>移動に失敗しました</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>マクロの追加に失敗しました</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>マクロを追加しました</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>マクロの削除に失敗しました</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>マクロを削除しました</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>マクロ名を空にはできません</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>マクロ名を変更しました</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>マクロ名の変更に失敗しました</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>先にマクロを選択してください</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>マクロのクリアに失敗しました</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>マクロをクリアしました</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>マクロファイルを開く</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>マクロファイル(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>マクロのインポートに失敗しました</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>マクロをインポートしました</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>保存先フォルダー</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>先に保存先フォルダーを選択してください</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>マクロのエクスポートに失敗しました</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>マクロをエクスポートしました</translation>
    </message>
</context>
<context>
    <name>DMainWidget</name>
    <message>
        <source>DMainWidget</source>
        <translation>DMainWidget</translation>
    </message>
    <message>
        <source>BRIVEX</source>
        <translation>BRIVEX</translation>
    </message>
    <message>
        <source>HOME</source>
        <translation>ホーム</translation>
    </message>
    <message>
        <source>DEVICE</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>マクロ</translation>
    </message>
    <message>
        <source>LINKAGE</source>
        <translation>連動</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>最小化(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>最大化(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>元に戻す(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>The file %1 could not be read; it was left as it is.</source>
        <translation>ファイル %1 を読み込めませんでした。そのままにしてあります。</translation>
    </message>
    <message>
        <source>The file %1 could not be read; it was kept as %2 and a new one was made.</source>
        <translation>ファイル %1 を読み込めませんでした。%2 として保管し、新しいファイルを作成しました。</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>マウスボタン</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>左ボタン</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>中ボタン</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>右ボタン</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>左サイドボタン - 戻る</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>左サイドボタン - 進む</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>ホイール下</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>ホイール上</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>スナイパーボタン</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>DMouseLightPage</name>
    <message>
        <source>DMouseLightPage</source>
        <translation>DMouseLightPage</translation>
    </message>
    <message>
        <source>Light Around</source>
        <translation>周囲ライト</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>ホイール</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>ロゴ</translation>
    </message>
</context>
<context>
    <name>DMousePage</name>
    <message>
        <source>Left Click</source>
        <translation>左クリック</translation>
    </message>
    <message>
        <source>Dpi Loop</source>
        <translation>DPI 切替</translation>
    </message>
    <message>
        <source>Forward_L</source>
        <translation>進む_左</translation>
    </message>
    <message>
        <source>Backward_L</source>
        <translation>戻る_左</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右クリック</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>中クリック</translation>
    </message>
    <message>
        <source>Forward_R</source>
        <translation>進む_右</translation>
    </message>
    <message>
        <source>Backward_R</source>
        <translation>戻る_右</translation>
    </message>
    <message>
        <source>DMousePage</source>
        <translation>DMousePage</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>マウス左</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>マウス中央</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>マウス右</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>ホイール上</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>ホイール下</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>進む</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>スナイパーボタン</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>無効</translation>
    </message>
</context>
<context>
    <name>DMousePerformanceView</name>
    <message>
        <source>DMousePerformanceView</source>
        <translation>DMousePerformanceView</translation>
    </message>
    <message>
        <source>Mouse Properties:</source>
        <translation>マウスのプロパティ:</translation>
    </message>
    <message>
        <source>125Hz</source>
        <translation>125Hz</translation>
    </message>
    <message>
        <source>250Hz</source>
        <translation>250Hz</translation>
    </message>
    <message>
        <source>500Hz</source>
        <translation>500Hz</translation>
    </message>
    <message>
        <source>1000Hz</source>
        <translation>1000Hz</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>現在のプロファイルをリセット</translation>
    </message>
    <message>
        <source>Mouse settings</source>
        <translation>マウスの設定</translation>
    </message>
    <message>
        <source>No mouse settings tool found</source>
        <translation>マウス設定ツールが見つかりません</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>マルチメディア</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>再生/一時停止</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>次のトラック</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>前のトラック</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>音量を下げる</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>音量を上げる</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>ミュート</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>プレーヤー</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>電卓</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>コンピューター</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>メール</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>ブラウザー</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>DOnboardPage</name>
    <message>
        <source>DOnboardPage</source>
        <translation>DOnboardPage</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>キーの割り当て変更</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>マクロ</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>キーの組み合わせ</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>マルチメディア</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>マウス</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>プロファイル切替</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>アプリを起動</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>ショートカット</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>デフォルト</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>空</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Winロックがオンのとき：</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Windowsキーを無効化</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>ALT+F4を無効化</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>SHIFT+TABを無効化</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>ALT+TABを無効化</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>現在のプロファイルをリセット</translation>
    </message>
    <message>
        <source>Wimdows Keyboard Properties</source>
        <translation>キーボードの設定</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>デフォルト</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>DSettingsDia</source>
        <translation>DSettingsDia</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>テーマ</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>背景画像</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>自動起動</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>システム起動時にアプリを起動（最小化）</translation>
    </message>
    <message>
        <source>Minimize startup to tray</source>
        <translation>最小化してトレイへ</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>閉じるとトレイへ</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>アップグレード</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>ファームウェア更新の確認</translation>
    </message>
    <message>
        <source>Taobao Link</source>
        <translation>Taobaoリンク</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>サポート</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>フィードバック送信</translation>
    </message>
    <message>
        <source>Brivex</source>
        <translation>Brivex</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>アプリケーションソフトウェア</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later.</source>
        <translation>GNU GPL バージョン 3 以降のフリーソフトウェアです。</translation>
    </message>
    <message>
        <source>V_2020.03.17.0001</source>
        <translation>V_2020.03.17.0001</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>更新を確認</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>リンク</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>ライト</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>ブルー</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>ピンク</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>アップグレードできるデバイスがありません</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>設定を保存しました</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>設定を保存できませんでした</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</source>
        <translation>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</translation>
    </message>
</context>
<context>
    <name>DSoftKeyboardPage</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
</context>
<context>
    <name>DTipInfoDia</name>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>破棄</translation>
    </message>
    <message>
        <source>DTipInfoDia</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>Do you want to save the current light mode to the device?</source>
        <translation>現在のライトモードをデバイスに保存しますか？</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Upgrade Firmware</source>
        <translation>ファームウェアの更新</translation>
    </message>
    <message>
        <source>If the firmware is being upgraded, do not unplug the device!</source>
        <translation>ファームウェアの更新中はデバイスを取り外さないでください！</translation>
    </message>
    <message>
        <source>Upgrade successful</source>
        <translation>更新に成功しました</translation>
    </message>
    <message>
        <source>Upgrade failed</source>
        <translation>更新に失敗しました</translation>
    </message>
</context>
<context>
    <name>DmouseConfigView</name>
    <message>
        <source>DmouseConfigView</source>
        <translation>DmouseConfigView</translation>
    </message>
    <message>
        <source>Enable X/Y</source>
        <translation>X/Y を有効化</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>R:</source>
        <translation>R</translation>
    </message>
    <message>
        <source>G:</source>
        <translation>G</translation>
    </message>
    <message>
        <source>B:</source>
        <translation>B</translation>
    </message>
</context>
<context>
    <name>KeyAssignmentTexts</name>
    <message>
        <source>Play once</source>
        <translation>1回再生</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>複数回再生</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>連続再生オン/オフ</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>キーを押している間再生</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>音量を上げる</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>音量を下げる</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>ミュート</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>再生/一時停止</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>次のトラック</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>前のトラック</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>プレーヤー</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>電卓</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>コンピューター</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>ブラウザー</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>メール</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>マウス左</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>マウス中央</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>マウス右</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>ホイール上</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>ホイール下</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>マウス左サイドキー-進む</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>マウス左サイドキー-戻る</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>ウィンドウを閉じる</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>デスクトップを表示</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>マイコンピューターを開く</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>コンピューターをロック</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>KeyLayoutFile</name>
    <message>
        <source>한자</source>
        <translation>한자</translation>
    </message>
    <message>
        <source>한영</source>
        <translation>한영</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Exe Crash</source>
        <translation>プログラムのクラッシュ</translation>
    </message>
    <message>
        <source>I&apos;m very sorroy for this crash !</source>
        <translation>クラッシュが発生しました。大変申し訳ありません。</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <source>Chinese</source>
        <translation>中国語</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>韓国語/英語</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Like name:</source>
        <translation>名前：</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>現在のバージョン：</translation>
    </message>
    <message>
        <source>Upgrade progress:</source>
        <translation>更新の進行状況：</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>新しいバージョン：</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>完了</translation>
    </message>
</context>
<context>
    <name>keyboardImagePage</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
</context>
<context>
    <name>keyboardKeyTool</name>
    <message>
        <source>Default</source>
        <translation>デフォルト</translation>
    </message>
    <message>
        <source>Cannot be remapped</source>
        <translation>割り当て変更できません</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>キーの割り当て変更</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>マクロ</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>キーの組み合わせ</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>マルチメディア</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>マウス</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>プロファイル切り替え</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>プロファイル:</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>アプリを起動</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>ショートカット</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>不明</translation>
    </message>
</context>
<context>
    <name>keyboardPage</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>名前を変更</translation>
    </message>
</context>
<context>
    <name>onboardExplainDia</name>
    <message>
        <source>onboardExplainDia</source>
        <translation>onboardExplainDia</translation>
    </message>
    <message>
        <source>APP mode:</source>
        <translation>アプリモード：</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;In app mode, the function of button customization can only be used when the app is opened. The customized content can only be saved on the computer, and it does not support downloading to the keyboard.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;アプリモードでは、キーのカスタマイズはアプリを開いている間だけ有効です。設定はコンピューターにのみ保存され、キーボードにはダウンロードできません。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Onboard Editor:</source>
        <translation>オンボードエディター：</translation>
    </message>
    <message>
        <source>In onboard editing mode, the interactive light effect is invalid.</source>
        <translation>オンボード編集モードでは、インタラクティブなライト効果は使用できません。</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The key can be downloaded and saved to the keyboard according to the customized content. The board can be divided into two layers, the default layer and the FN1 layer.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;キーの設定をキーボードにダウンロードして保存できます。キーボードには、デフォルトレイヤーと FN1 レイヤーの 2 つのレイヤーがあります。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Default layer:</source>
        <translation>デフォルトレイヤー：</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Press the key directly to send the code.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;キーを直接押すとコードを送信します。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>FN1 layer:</source>
        <translation>FN1 レイヤー：</translation>
    </message>
    <message>
        <source>1.Select a key and set it to FN1.</source>
        <translation>1. キーを選んで FN1 に設定します。</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;2.Send the code by combining with the custom FN1 key.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;2. カスタム FN1 キーと組み合わせてコードを送信します。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Layers:</source>
        <translation>レイヤー：</translation>
    </message>
    <message>
        <source>Default Layer.</source>
        <translation>デフォルトレイヤー。</translation>
    </message>
    <message>
        <source>FN Layer – Factory Preset FN functions.</source>
        <translation>FN レイヤー – 工場出荷時の FN 機能。</translation>
    </message>
    <message>
        <source>FN1 Layer – Can be customized.</source>
        <translation>FN1 レイヤー – カスタマイズ可能。</translation>
    </message>
</context>
<context>
    <name>onboardKeyboardKeyTool</name>
    <message>
        <source>Default</source>
        <translation>デフォルト</translation>
    </message>
    <message>
        <source>Cannot be remapped</source>
        <translation>割り当て変更できません</translation>
    </message>
</context>
<context>
    <name>onboardProfileMenuToolWidget</name>
    <message>
        <source>onboardProfileMenuToolWidget</source>
        <translation>onboardProfileMenuToolWidget</translation>
    </message>
    <message>
        <source>Create New</source>
        <translation>新規作成</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>名前を変更</translation>
    </message>
    <message>
        <source>QWERTY</source>
        <translation>QWERTY</translation>
    </message>
    <message>
        <source>Mac</source>
        <translation>Mac</translation>
    </message>
    <message>
        <source>Dvorak</source>
        <translation>Dvorak</translation>
    </message>
    <message>
        <source>Clean layer</source>
        <translation>レイヤーをクリア</translation>
    </message>
</context>
<context>
    <name>proFileOperateMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>名前を変更</translation>
    </message>
</context>
<context>
    <name>profileListItem</name>
    <message>
        <source>profileListItem</source>
        <translation>profileListItem</translation>
    </message>
</context>
</TS>

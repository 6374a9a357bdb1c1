<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>ColorWheelTool</name>
    <message>
        <source>ColorWheelTool</source>
        <translation>色輪</translation>
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
        <translation>全彩</translation>
    </message>
    <message>
        <source>Top Color</source>
        <translation>上層顏色</translation>
    </message>
    <message>
        <source>Bottom Color</source>
        <translation>下層顏色</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>暗</translation>
    </message>
    <message>
        <source>Bright</source>
        <translation>亮</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>慢</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>快</translation>
    </message>
</context>
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>关联：</source>
        <translation>關聯：</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>左鍵</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>中鍵</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右鍵</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Assign proFile</source>
        <translation>切換設定檔</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>按鍵重映射</translation>
    </message>
    <message>
        <source>Remap with key ？</source>
        <translation>映射為按鍵？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DCustomEventListItem</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Macro:</source>
        <translation>巨集:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>停用</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>設定檔:</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>未知</translation>
    </message>
</context>
<context>
    <name>DCustomEventListPage</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>No custom features added</source>
        <translation>未新增自訂功能</translation>
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
        <translation>表單</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>自訂燈效</translation>
    </message>
</context>
<context>
    <name>DDeviceListItem</name>
    <message>
        <source>Product</source>
        <translation>產品</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>Product</source>
        <translation>產品</translation>
    </message>
    <message>
        <source>Keyboard Name</source>
        <translation>鍵盤名稱</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>裝置未連線</translation>
    </message>
    <message>
        <source>Profile 1</source>
        <translation>設定檔 1</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>按鍵自訂</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>燈光設定</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>鍵盤</translation>
    </message>
    <message>
        <source>Side Light</source>
        <translation>側邊燈</translation>
    </message>
    <message>
        <source>Profile Group </source>
        <translation>設定檔群組 </translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>設定檔名稱</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>設定檔名稱</translation>
    </message>
    <message>
        <source>Link profile to program</source>
        <translation>將設定檔關聯到程式</translation>
    </message>
    <message>
        <source>App path：/usr/bin/firefox</source>
        <translation>程式路徑：/usr/bin/firefox</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>選擇程式</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>APP mode</source>
        <translation>應用模式</translation>
    </message>
    <message>
        <source>Onboard Editor</source>
        <translation>板載編輯</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>預設層</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1 層</translation>
    </message>
    <message>
        <source>Set FN1</source>
        <translation>設定 FN1</translation>
    </message>
    <message>
        <source>Light Synchronize</source>
        <translation>燈光同步</translation>
    </message>
    <message>
        <source>Log infomsg</source>
        <translation>日誌訊息</translation>
    </message>
    <message>
        <source>Restore factory settings</source>
        <translation>恢復原廠設定</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下載</translation>
    </message>
    <message>
        <source>Lighting Effect</source>
        <translation>燈光效果</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>效能</translation>
    </message>
    <message>
        <source>Custom List</source>
        <translation>自訂清單</translation>
    </message>
    <message>
        <source>DPI Config</source>
        <translation>DPI 設定</translation>
    </message>
    <message>
        <source>Soft Keyboard</source>
        <translation>螢幕鍵盤</translation>
    </message>
    <message>
        <source>Please open hid first!</source>
        <translation>請先開啟裝置！</translation>
    </message>
    <message>
        <source>Currently in On-board mode, please exit first</source>
        <translation>目前為板載模式，請先退出</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>匯入</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>預設</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>巨集</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>按鍵重新對應</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>滑鼠</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>停用</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>多媒體</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>組合鍵</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>啟動程式</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>快捷方式</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>切換設定檔</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>恆亮</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>霓虹</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>呼吸</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>波浪</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>閃爍</translation>
    </message>
    <message>
        <source>Snack</source>
        <translation>貪食蛇</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>雷達</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>極光</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>漣漪</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>快速回應</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>觸發</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自訂</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>十字</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>音樂律動</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>自動漣漪</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>條紋</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>煙火</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>碰撞</translation>
    </message>
    <message>
        <source>The profile file could not be read; it was kept as %1 and a new one was made.</source>
        <translation>無法讀取設定檔；已將其保留為 %1 並新建了一個。</translation>
    </message>
    <message>
        <source>The profile file could not be written.</source>
        <translation>無法寫入設定檔。</translation>
    </message>
    <message>
        <source>The profile file cannot be read for lack of permission; it was left as it is.</source>
        <translation>沒有權限，無法讀取設定檔；檔案保持原樣。</translation>
    </message>
    <message>
        <source>The device is not support On-board</source>
        <translation>該裝置不支援板載模式</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>自訂燈光名稱不能為空</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>修改自訂燈光名稱成功</translation>
    </message>
    <message>
        <source>Set light effect successfully</source>
        <translation>設定燈效成功</translation>
    </message>
    <message>
        <source>Open light successful</source>
        <translation>開燈成功</translation>
    </message>
    <message>
        <source>Close light successful</source>
        <translation>關燈成功</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>播放一次</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>播放多次</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>連續播放 開/關</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>按住按鍵時播放</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>未知</translation>
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
        <translation>滑鼠左鍵</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>滑鼠中鍵</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>滑鼠右鍵</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>滾輪向上</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>滾輪向下</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前進</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>後退</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>狙擊鍵</translation>
    </message>
    <message>
        <source>Fast config successful</source>
        <translation>快速設定成功</translation>
    </message>
    <message>
        <source>Fast config failed</source>
        <translation>快速設定失敗</translation>
    </message>
    <message>
        <source>Onboard Download [Failed]</source>
        <translation>板載下載 [失敗]</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>The keyboard holds at most 10 macros</source>
        <translation>鍵盤最多儲存 10 個巨集</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>下載失敗，請重試</translation>
    </message>
    <message>
        <source>Write Start</source>
        <translation>開始寫入</translation>
    </message>
    <message>
        <source>Write Over</source>
        <translation>寫入完成</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>下載成功</translation>
    </message>
    <message>
        <source>Whether to restore the factory settings?</source>
        <translation>是否恢復原廠設定？</translation>
    </message>
    <message>
        <source>Restore the factory settings failed</source>
        <translation>恢復原廠設定失敗</translation>
    </message>
    <message>
        <source>Restore the factory settings successful</source>
        <translation>恢復原廠設定成功</translation>
    </message>
    <message>
        <source>Config name can&apos;t be empty</source>
        <translation>設定名稱不能為空</translation>
    </message>
    <message>
        <source>Modify config name successful</source>
        <translation>修改設定名稱成功</translation>
    </message>
    <message>
        <source>Please select one Key first!</source>
        <translation>請先選擇一個按鍵！</translation>
    </message>
    <message>
        <source>Set FN key successful</source>
        <translation>設定 FN 鍵成功</translation>
    </message>
    <message>
        <source>Set FN1 key successful</source>
        <translation>設定 FN1 鍵成功</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>開啟設定檔</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>設定檔(*.xml)</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>儲存目錄</translation>
    </message>
    <message>
        <source>Create new config failed</source>
        <translation>新建設定失敗</translation>
    </message>
    <message>
        <source>Create new config successful</source>
        <translation>新建設定成功</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>請先選擇儲存目錄</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>匯出設定檔成功</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>匯出設定檔失敗</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>請先選擇要匯入的檔案</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>匯入設定檔失敗</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>匯入設定檔成功</translation>
    </message>
    <message>
        <source>Need keep at least one config</source>
        <translation>至少需要保留一個設定</translation>
    </message>
    <message>
        <source>Delete config successful</source>
        <translation>刪除設定成功</translation>
    </message>
    <message>
        <source>Restore config successful</source>
        <translation>恢復設定成功</translation>
    </message>
    <message>
        <source>Do you want to keep the FN key setting?</source>
        <translation>是否保留 FN 鍵設定？</translation>
    </message>
    <message>
        <source>Do you want to keep the FN1 key setting?</source>
        <translation>是否保留 FN1 鍵設定？</translation>
    </message>
    <message>
        <source>Clean layer failed</source>
        <translation>清空本層失敗</translation>
    </message>
    <message>
        <source>Clean layer successful</source>
        <translation>清空本層成功</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>空</translation>
    </message>
    <message>
        <source>Empty the key successful</source>
        <translation>清空按鍵成功</translation>
    </message>
    <message>
        <source>Set light effect failed</source>
        <translation>設定燈效失敗</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>修改自訂燈光名稱失敗</translation>
    </message>
    <message>
        <source>Add profile successful</source>
        <translation>新增設定檔成功</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>設定檔數量已達上限</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>至少需要保留一個設定檔</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>刪除設定檔成功</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>選擇程式</translation>
    </message>
    <message>
        <source>App(*)</source>
        <translation>程式(*)</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>設定檔名稱不能為空</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>修改設定檔資訊成功</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>是否重置目前設定檔？</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>重置目前設定檔成功</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>左鍵</translation>
    </message>
    <message>
        <source>Dpi Loop</source>
        <translation>DPI 循環</translation>
    </message>
    <message>
        <source>Forward_L</source>
        <translation>前進_左</translation>
    </message>
    <message>
        <source>Backward_L</source>
        <translation>後退_左</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右鍵</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>中鍵</translation>
    </message>
    <message>
        <source>Forward_R</source>
        <translation>前進_右</translation>
    </message>
    <message>
        <source>Backward_R</source>
        <translation>後退_右</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>操作失敗</translation>
    </message>
    <message>
        <source>The sound cannot be captured: Musical Rhythm needs a running sound server.</source>
        <translation>無法擷取聲音：音樂律動需要正在執行的聲音伺服器。</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>操作成功</translation>
    </message>
    <message>
        <source>The mouse cannot take this macro: at most 50 key or button events.</source>
        <translation>滑鼠無法接收此巨集：最多50個按鍵或按鈕事件。</translation>
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
        <translation>狙擊</translation>
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
        <translation>韌體資訊</translation>
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
        <translation>產品</translation>
    </message>
    <message>
        <source>My Keyboard Name</source>
        <translation>我的鍵盤名稱</translation>
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
        <translation>表單</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>裝置未連線</translation>
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
        <translation>表單</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>快捷方式</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>顯示桌面</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>關閉視窗</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>鎖定電腦</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>開啟我的電腦</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>貼上</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>尋找</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪下</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>組合鍵</translation>
    </message>
    <message>
        <source>Enter key？</source>
        <translation>輸入按鍵？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Disable Key</source>
        <translation>停用按鍵</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Select app</source>
        <translation>選擇程式</translation>
    </message>
    <message>
        <source>App path：/usr/bin/gimp</source>
        <translation>程式路徑：/usr/bin/gimp</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>選擇應用程式</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>選擇檔案</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>輸入文字 ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DLinkagePage</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
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
        <translation>表單</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>登入</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>播放方式</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>播放一次</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>播放多次</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>連續播放 開/關</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>按住按鍵時播放</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>指定巨集</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>播放次數</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>播放次數 1,2,3...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Macro Group </source>
        <translation>巨集群組 </translation>
    </message>
    <message>
        <source>Delay setting</source>
        <translation>延遲設定</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>錄製延遲</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>無延遲</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>預設延遲</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>毫秒</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>錄製</translation>
    </message>
    <message>
        <source>Macro record</source>
        <translation>巨集記錄</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>記錄為空</translation>
    </message>
    <message>
        <source>0 MS</source>
        <translation>0 毫秒</translation>
    </message>
    <message>
        <source>Insert Macro</source>
        <translation>插入巨集</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>在後面插入事件</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>在前面插入事件</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>事件</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>鍵盤事件</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>滑鼠事件</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>延遲</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>請輸入按鍵</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>左鍵</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>中鍵</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右鍵</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>請輸入延遲時間</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>插入</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>屬性</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>按鍵</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>滑鼠</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>匯入</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Recording could not start</source>
        <translation>無法開始錄製</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>開始錄製巨集</translation>
    </message>
    <message>
        <source>Keys and clicks are recorded only in this program&apos;s windows</source>
        <translation>僅在本程式的視窗中錄製按鍵和點擊</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>停止錄製巨集</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>儲存錄製的巨集失敗</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Delete failed</source>
        <translation>刪除失敗</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>請先選擇具體位置</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>事件數量已達上限</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>插入失敗</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>插入成功</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>修改失敗</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>修改成功</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>移動失敗</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>新增巨集失敗</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>新增巨集成功</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>刪除巨集失敗</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>刪除巨集成功</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>巨集名稱不能為空</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>修改巨集名稱成功</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>修改巨集名稱失敗</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>請先選擇一個巨集</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>清空巨集記錄失敗</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>清空巨集記錄成功</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>開啟巨集檔案</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>巨集檔案(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>匯入巨集失敗</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>匯入巨集成功</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>儲存目錄</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>請先選擇儲存目錄</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>匯出巨集失敗</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>匯出巨集成功</translation>
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
        <translation>首頁</translation>
    </message>
    <message>
        <source>DEVICE</source>
        <translation>裝置</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>巨集</translation>
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
        <translation>還原(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>結束(&amp;Q)</translation>
    </message>
    <message>
        <source>The file %1 could not be read; it was left as it is.</source>
        <translation>無法讀取檔案 %1；已保持原樣。</translation>
    </message>
    <message>
        <source>The file %1 could not be read; it was kept as %2 and a new one was made.</source>
        <translation>無法讀取檔案 %1；已另存為 %2，並新建了一個檔案。</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>滑鼠按鍵</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>滑鼠左鍵</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>滑鼠中鍵</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>滑鼠右鍵</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>滑鼠左側鍵-後退</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>滑鼠左側鍵-前進</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>滾輪向下</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>滾輪向上</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>狙擊鍵</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
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
        <translation>環繞燈光</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>滾輪</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>標誌</translation>
    </message>
</context>
<context>
    <name>DMousePage</name>
    <message>
        <source>Left Click</source>
        <translation>左鍵</translation>
    </message>
    <message>
        <source>Dpi Loop</source>
        <translation>DPI 循環</translation>
    </message>
    <message>
        <source>Forward_L</source>
        <translation>前進_左</translation>
    </message>
    <message>
        <source>Backward_L</source>
        <translation>後退_左</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右鍵</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>中鍵</translation>
    </message>
    <message>
        <source>Forward_R</source>
        <translation>前進_右</translation>
    </message>
    <message>
        <source>Backward_R</source>
        <translation>後退_右</translation>
    </message>
    <message>
        <source>DMousePage</source>
        <translation>DMousePage</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>滑鼠左鍵</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>滑鼠中鍵</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>滑鼠右鍵</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>滾輪向上</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>滾輪向下</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前進</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>後退</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>狙擊鍵</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>停用</translation>
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
        <translation>滑鼠內容：</translation>
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
        <translation>重設目前設定檔</translation>
    </message>
    <message>
        <source>Mouse settings</source>
        <translation>滑鼠設定</translation>
    </message>
    <message>
        <source>No mouse settings tool found</source>
        <translation>找不到滑鼠設定工具</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>多媒體</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暫停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>下一首</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>上一首</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>音量減</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>音量加</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>靜音</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>播放器</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>小算盤</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>電腦</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>電子郵件</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>瀏覽器</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
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
        <translation>按鍵重新對應</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>巨集</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>組合鍵</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>多媒體</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>滑鼠</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>停用</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>切換設定檔</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>啟動程式</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>快捷方式</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>預設</translation>
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
        <translation>表單</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Win鎖開啟時：</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>停用Windows鍵</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>停用ALT+F4</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>停用SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>停用ALT+TAB</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>重設目前設定檔</translation>
    </message>
    <message>
        <source>Wimdows Keyboard Properties</source>
        <translation>鍵盤設定</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>預設</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
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
        <translation>關於</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>主題</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>背景圖片</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>開機啟動</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>系統啟動時執行程式（最小化）</translation>
    </message>
    <message>
        <source>Minimize startup to tray</source>
        <translation>最小化到系統匣</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>關閉到系統匣</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升級</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>韌體升級檢查</translation>
    </message>
    <message>
        <source>Taobao Link</source>
        <translation>淘寶連結</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>支援</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>傳送意見回饋</translation>
    </message>
    <message>
        <source>Brivex</source>
        <translation>Brivex</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>應用軟體</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later.</source>
        <translation>自由軟體，依據 GNU GPL 第 3 版或更新版本授權。</translation>
    </message>
    <message>
        <source>V_2020.03.17.0001</source>
        <translation>V_2020.03.17.0001</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>檢查更新</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>連結</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>暗黑</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>明亮</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>藍色</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>粉色</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>找不到可升級的裝置</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>設定成功</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>設定失敗</translation>
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
        <translation>表單</translation>
    </message>
</context>
<context>
    <name>DTipInfoDia</name>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>不儲存</translation>
    </message>
    <message>
        <source>DTipInfoDia</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Do you want to save the current light mode to the device?</source>
        <translation>是否將目前燈效儲存到裝置？</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Upgrade Firmware</source>
        <translation>韌體升級</translation>
    </message>
    <message>
        <source>If the firmware is being upgraded, do not unplug the device!</source>
        <translation>韌體升級過程中，請勿拔除裝置！</translation>
    </message>
    <message>
        <source>Upgrade successful</source>
        <translation>升級成功</translation>
    </message>
    <message>
        <source>Upgrade failed</source>
        <translation>升級失敗</translation>
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
        <translation>啟用 X/Y</translation>
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
        <translation>播放一次</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>播放多次</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>連續播放開/關</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>按住按鍵時播放</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>音量+</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>音量-</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>靜音</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暫停</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>下一首</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>上一首</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>播放器</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>小算盤</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>我的電腦</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>瀏覽器</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>郵件</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>滑鼠左鍵</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>滑鼠中鍵</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>滑鼠右鍵</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>滾輪向上</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>滾輪向下</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>滑鼠左側鍵-前進</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>滑鼠左側鍵-後退</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>關閉視窗</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>顯示桌面</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>開啟我的電腦</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>鎖定電腦</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪下</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>貼上</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>尋找</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
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
        <translation>程式當機</translation>
    </message>
    <message>
        <source>I&apos;m very sorroy for this crash !</source>
        <translation>非常抱歉，程式當機了！</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>韓文/英文</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Like name:</source>
        <translation>名稱：</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>目前版本：</translation>
    </message>
    <message>
        <source>Upgrade progress:</source>
        <translation>升級進度：</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>新版本：</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升級</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>keyboardImagePage</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
</context>
<context>
    <name>keyboardKeyTool</name>
    <message>
        <source>Default</source>
        <translation>預設</translation>
    </message>
    <message>
        <source>Cannot be remapped</source>
        <translation>無法重新指派</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>按鍵重新指派</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>巨集</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>組合鍵</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>多媒體</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>滑鼠</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>停用</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>切換設定檔</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>設定檔:</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>啟動應用程式</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>快捷方式</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>未知</translation>
    </message>
</context>
<context>
    <name>keyboardPage</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>修改名稱</translation>
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
        <translation>應用模式：</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;In app mode, the function of button customization can only be used when the app is opened. The customized content can only be saved on the computer, and it does not support downloading to the keyboard.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;在應用模式下，按鍵自訂功能只有在應用開啟時才能使用。自訂內容只能儲存在電腦上，不支援下載到鍵盤。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Onboard Editor:</source>
        <translation>板載編輯：</translation>
    </message>
    <message>
        <source>In onboard editing mode, the interactive light effect is invalid.</source>
        <translation>在板載編輯模式下，互動燈效無效。</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The key can be downloaded and saved to the keyboard according to the customized content. The board can be divided into two layers, the default layer and the FN1 layer.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;可以根據自訂內容將按鍵下載並儲存到鍵盤中。鍵盤分為兩層：預設層和 FN1 層。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Default layer:</source>
        <translation>預設層：</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Press the key directly to send the code.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;直接按下按鍵即可傳送鍵碼。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>FN1 layer:</source>
        <translation>FN1 層：</translation>
    </message>
    <message>
        <source>1.Select a key and set it to FN1.</source>
        <translation>1. 選擇一個按鍵並將其設為 FN1。</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;2.Send the code by combining with the custom FN1 key.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;2. 與自訂的 FN1 鍵組合傳送鍵碼。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Layers:</source>
        <translation>層：</translation>
    </message>
    <message>
        <source>Default Layer.</source>
        <translation>預設層。</translation>
    </message>
    <message>
        <source>FN Layer – Factory Preset FN functions.</source>
        <translation>FN 層 – 出廠預設的 FN 功能。</translation>
    </message>
    <message>
        <source>FN1 Layer – Can be customized.</source>
        <translation>FN1 層 – 可自訂。</translation>
    </message>
</context>
<context>
    <name>onboardKeyboardKeyTool</name>
    <message>
        <source>Default</source>
        <translation>預設</translation>
    </message>
    <message>
        <source>Cannot be remapped</source>
        <translation>無法重新指派</translation>
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
        <translation>新建</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>匯入</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢復</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>修改名稱</translation>
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
        <translation>清空本層</translation>
    </message>
</context>
<context>
    <name>proFileOperateMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>修改名稱</translation>
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

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>ColorWheelTool</name>
    <message>
        <source>ColorWheelTool</source>
        <translation>Colour wheel</translation>
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
        <translation>Full colour</translation>
    </message>
    <message>
        <source>Top Color</source>
        <translation>Top colour</translation>
    </message>
    <message>
        <source>Bottom Color</source>
        <translation>Bottom colour</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dark</translation>
    </message>
    <message>
        <source>Bright</source>
        <translation>Bright</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Slow</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Fast</translation>
    </message>
</context>
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>关联：</source>
        <translation>Linked:</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Left Click</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Center Click</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Right Click</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Assign proFile</source>
        <translation>Assign profile</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Remap Key</translation>
    </message>
    <message>
        <source>Remap with key ？</source>
        <translation>Remap with key ？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DCustomEventListItem</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Macro:</source>
        <translation>Macro:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disable</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profile:</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Unknow</translation>
    </message>
</context>
<context>
    <name>DCustomEventListPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>No custom features added</source>
        <translation>No custom features added</translation>
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
        <translation>Form</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>Custom lighting</translation>
    </message>
</context>
<context>
    <name>DDeviceListItem</name>
    <message>
        <source>Product</source>
        <translation>Product</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>Product</source>
        <translation>Product</translation>
    </message>
    <message>
        <source>Keyboard Name</source>
        <translation>Keyboard Name</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Device not connected</translation>
    </message>
    <message>
        <source>Profile 1</source>
        <translation>Profile 1</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Key Custom</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Light Setting</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Keyboard</translation>
    </message>
    <message>
        <source>Side Light</source>
        <translation>Side Light</translation>
    </message>
    <message>
        <source>Profile Group </source>
        <translation>Profile Group </translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Profile name</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>Profile Name</translation>
    </message>
    <message>
        <source>Link profile to program</source>
        <translation>Link profile to program</translation>
    </message>
    <message>
        <source>App path：/usr/bin/firefox</source>
        <translation>App path：/usr/bin/firefox</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Select application</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>APP mode</source>
        <translation>APP mode</translation>
    </message>
    <message>
        <source>Onboard Editor</source>
        <translation>Onboard Editor</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Default layer</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1 layer</translation>
    </message>
    <message>
        <source>Set FN1</source>
        <translation>Set FN1</translation>
    </message>
    <message>
        <source>Light Synchronize</source>
        <translation>Light Synchronize</translation>
    </message>
    <message>
        <source>Log infomsg</source>
        <translation>Log infomsg</translation>
    </message>
    <message>
        <source>Restore factory settings</source>
        <translation>Restore factory settings</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Lighting Effect</source>
        <translation>Lighting Effect</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Performance</translation>
    </message>
    <message>
        <source>Custom List</source>
        <translation>Custom List</translation>
    </message>
    <message>
        <source>DPI Config</source>
        <translation>DPI Config</translation>
    </message>
    <message>
        <source>Soft Keyboard</source>
        <translation>Soft Keyboard</translation>
    </message>
    <message>
        <source>Please open hid first!</source>
        <translation>Please open hid first!</translation>
    </message>
    <message>
        <source>Currently in On-board mode, please exit first</source>
        <translation>Currently in On-board mode, please exit first</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>Remap key</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disable</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>key combination</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>Launch application</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Shortcuts</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>Switch profile</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Static</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Breath</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Wave</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Twinkle</translation>
    </message>
    <message>
        <source>Snack</source>
        <translation>Snack</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Aurora</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Ripple</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Speed Respond</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reactive</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Cross</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Musical Rhythm</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Auto Ripple</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Striation</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Fireworks</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Collision</translation>
    </message>
    <message>
        <source>The profile file could not be read; it was kept as %1 and a new one was made.</source>
        <translation>The profile file could not be read; it was kept as %1 and a new one was made.</translation>
    </message>
    <message>
        <source>The profile file could not be written.</source>
        <translation>The profile file could not be written.</translation>
    </message>
    <message>
        <source>The profile file cannot be read for lack of permission; it was left as it is.</source>
        <translation>The profile file cannot be read for lack of permission; it was left as it is.</translation>
    </message>
    <message>
        <source>The device is not support On-board</source>
        <translation>The device is not support On-board</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>Custom light name can&apos;t be empty</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Modify custom light name successful</translation>
    </message>
    <message>
        <source>Set light effect successfully</source>
        <translation>Set light effect successfully</translation>
    </message>
    <message>
        <source>Open light successful</source>
        <translation>Open light successful</translation>
    </message>
    <message>
        <source>Close light successful</source>
        <translation>Close light successful</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Play once</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Play multiple times</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Continous playback on/off</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Play while assigned key is pressed</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Unknow</translation>
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
        <translation>Mouse Left</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Mouse Center</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Mouse Right</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Scroll Up</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Scroll Down</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Backward</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Sniper Key</translation>
    </message>
    <message>
        <source>Fast config successful</source>
        <translation>Fast config successful</translation>
    </message>
    <message>
        <source>Fast config failed</source>
        <translation>Fast config failed</translation>
    </message>
    <message>
        <source>Onboard Download [Failed]</source>
        <translation>Onboard Download [Failed]</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>The keyboard holds at most 10 macros</source>
        <translation>The keyboard holds at most 10 macros</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Download config failed, Please try again</translation>
    </message>
    <message>
        <source>Write Start</source>
        <translation>Write Start</translation>
    </message>
    <message>
        <source>Write Over</source>
        <translation>Write Over</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Download config successful</translation>
    </message>
    <message>
        <source>Whether to restore the factory settings?</source>
        <translation>Whether to restore the factory settings?</translation>
    </message>
    <message>
        <source>Restore the factory settings failed</source>
        <translation>Restore the factory settings failed</translation>
    </message>
    <message>
        <source>Restore the factory settings successful</source>
        <translation>Restore the factory settings successful</translation>
    </message>
    <message>
        <source>Config name can&apos;t be empty</source>
        <translation>Config name can&apos;t be empty</translation>
    </message>
    <message>
        <source>Modify config name successful</source>
        <translation>Modify config name successful</translation>
    </message>
    <message>
        <source>Please select one Key first!</source>
        <translation>Please select one Key first!</translation>
    </message>
    <message>
        <source>Set FN key successful</source>
        <translation>Set FN key successful</translation>
    </message>
    <message>
        <source>Set FN1 key successful</source>
        <translation>Set FN1 key successful</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Open profile file</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Profile files(*.xml)</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Save directory</translation>
    </message>
    <message>
        <source>Create new config failed</source>
        <translation>Create new config failed</translation>
    </message>
    <message>
        <source>Create new config successful</source>
        <translation>Create new config successful</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Please select save directory first</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Export profile successful</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Export profile failed</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Please select import file first</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Import profile failed</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Import profile successful</translation>
    </message>
    <message>
        <source>Need keep at least one config</source>
        <translation>Need keep at least one config</translation>
    </message>
    <message>
        <source>Delete config successful</source>
        <translation>Delete config successful</translation>
    </message>
    <message>
        <source>Restore config successful</source>
        <translation>Restore config successful</translation>
    </message>
    <message>
        <source>Do you want to keep the FN key setting?</source>
        <translation>Do you want to keep the FN key setting?</translation>
    </message>
    <message>
        <source>Do you want to keep the FN1 key setting?</source>
        <translation>Do you want to keep the FN1 key setting?</translation>
    </message>
    <message>
        <source>Clean layer failed</source>
        <translation>Clean layer failed</translation>
    </message>
    <message>
        <source>Clean layer successful</source>
        <translation>Clean layer successful</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Empty</translation>
    </message>
    <message>
        <source>Empty the key successful</source>
        <translation>Empty the key successful</translation>
    </message>
    <message>
        <source>Set light effect failed</source>
        <translation>Set light effect failed</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>Modify custom light name failed</translation>
    </message>
    <message>
        <source>Add profile successful</source>
        <translation>Add profile successful</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>The number of profile has reached the maximum</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Need keep at least one profile</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Delete profile successful</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>Select exe</translation>
    </message>
    <message>
        <source>App(*)</source>
        <translation>App(*)</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>Profile name can&apos;t empty</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Modify profile info successful</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Whether to reset the current profile?</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>Reset the current profile successful</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Left Click</translation>
    </message>
    <message>
        <source>Dpi Loop</source>
        <translation>Dpi Loop</translation>
    </message>
    <message>
        <source>Forward_L</source>
        <translation>Forward_L</translation>
    </message>
    <message>
        <source>Backward_L</source>
        <translation>Backward_L</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Right Click</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Center Click</translation>
    </message>
    <message>
        <source>Forward_R</source>
        <translation>Forward_R</translation>
    </message>
    <message>
        <source>Backward_R</source>
        <translation>Backward_R</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>Operate failed</translation>
    </message>
    <message>
        <source>The sound cannot be captured: Musical Rhythm needs a running sound server.</source>
        <translation>The sound cannot be captured: Musical Rhythm needs a running sound server.</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Operate successful</translation>
    </message>
    <message>
        <source>The mouse cannot take this macro: at most 50 key or button events.</source>
        <translation>The mouse cannot take this macro: at most 50 key or button events.</translation>
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
        <translation>Sniper</translation>
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
        <translation>Firmware Info</translation>
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
        <translation>Product</translation>
    </message>
    <message>
        <source>My Keyboard Name</source>
        <translation>My Keyboard Name</translation>
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
        <translation>Form</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Device not connected</translation>
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
        <translation>Form</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Shortcuts</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Show desktop</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Close window</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Lock computer</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>Open my computer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Stick</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>key combination</translation>
    </message>
    <message>
        <source>Enter key？</source>
        <translation>Enter key？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Disable Key</source>
        <translation>Disable Key</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Select app</source>
        <translation>Select app</translation>
    </message>
    <message>
        <source>App path：/usr/bin/gimp</source>
        <translation>App path：/usr/bin/gimp</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Select application</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>Select exe</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Enter text ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DLinkagePage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Linkage</source>
        <translation>Linkage</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Login</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Play Type</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Play once</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Play multiple times</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Repeat on/off</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Play while held</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Assign Macro</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Play Number</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Play Number 1,2,3...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Macro Group </source>
        <translation>Macro Group </translation>
    </message>
    <message>
        <source>Delay setting</source>
        <translation>Delay setting</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Recording delay</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>No delay</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Default delay</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>MS</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Macro record</source>
        <translation>Macro record</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Record is empty</translation>
    </message>
    <message>
        <source>0 MS</source>
        <translation>0 MS</translation>
    </message>
    <message>
        <source>Insert Macro</source>
        <translation>Insert Macro</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Insert event after</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Insert event before</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Keyboard Event</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Mouse Event</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Delay</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Operate</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Please enter a key</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Left Click</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Center Click</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Right Click</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Please enter delay number</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Property</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Press Key</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Recording could not start</source>
        <translation>Recording could not start</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Start record macro</translation>
    </message>
    <message>
        <source>Keys and clicks are recorded only in this program&apos;s windows</source>
        <translation>Keys and clicks are recorded only in this program&apos;s windows</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Stop record macro</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>Save record macro failed</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Delete failed</source>
        <translation>Delete failed</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Please select a specific location first</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>The record of events has reached the limit</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>Insert failed</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Insert successful</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>Modify failed</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Modify successful</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>Move failed</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>Add macro failed</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Add macro successful</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>Delete macro failed</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Delete macro successful</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Macro name can&apos;t be empty</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Modify macro name successful</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>Modify macro name failed</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Please select a macro first</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>Clear record macro failed</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Clear record macro successful</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Open macro file</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Macro files(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>Import macro failed</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Import macro successful</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Save directory</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Please select save directory first</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>Export macro failed</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Export macro successful</translation>
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
        <translation>HOME</translation>
    </message>
    <message>
        <source>DEVICE</source>
        <translation>DEVICE</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>MACRO</translation>
    </message>
    <message>
        <source>LINKAGE</source>
        <translation>LINKAGE</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Minimize(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Maximize(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>Revert(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Quit(&amp;Q)</translation>
    </message>
    <message>
        <source>The file %1 could not be read; it was left as it is.</source>
        <translation>The file %1 could not be read; it was left as it is.</translation>
    </message>
    <message>
        <source>The file %1 could not be read; it was kept as %2 and a new one was made.</source>
        <translation>The file %1 could not be read; it was kept as %2 and a new one was made.</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Mouse Key</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Mouse Left</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Mouse Center</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Mouse Right</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>Side key - Back</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>Side key - Forward</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Wheel Down</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Wheel Up</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Sniper Key</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <translation>Light Around</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Scroll</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
</context>
<context>
    <name>DMousePage</name>
    <message>
        <source>Left Click</source>
        <translation>Left Click</translation>
    </message>
    <message>
        <source>Dpi Loop</source>
        <translation>Dpi Loop</translation>
    </message>
    <message>
        <source>Forward_L</source>
        <translation>Forward_L</translation>
    </message>
    <message>
        <source>Backward_L</source>
        <translation>Backward_L</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Right Click</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Center Click</translation>
    </message>
    <message>
        <source>Forward_R</source>
        <translation>Forward_R</translation>
    </message>
    <message>
        <source>Backward_R</source>
        <translation>Backward_R</translation>
    </message>
    <message>
        <source>DMousePage</source>
        <translation>DMousePage</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Unknow</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Mouse Left</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Mouse Center</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Mouse Right</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Scroll Up</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Scroll Down</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Backward</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Sniper Key</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disable</translation>
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
        <translation>Mouse Properties:</translation>
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
        <translation>Reset current profile</translation>
    </message>
    <message>
        <source>Mouse settings</source>
        <translation>Mouse settings</translation>
    </message>
    <message>
        <source>No mouse settings tool found</source>
        <translation>No mouse settings tool found</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Play/Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Next track</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Prev track</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Volume Down</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Volume Up</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <translation>Remap key</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>key combination</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disable</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>Switch profile</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>Launch application</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Shortcuts</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Unknow</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Empty</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>If Win Lock is on:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Disable Windows key</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Disable ALT+F4</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Disable SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Disable ALT+TAB</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Reset current profile</translation>
    </message>
    <message>
        <source>Wimdows Keyboard Properties</source>
        <translation>Keyboard settings</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <translation>Settings</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Theme</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Background image</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Auto start</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Launch applications when the system starts (Minimized)</translation>
    </message>
    <message>
        <source>Minimize startup to tray</source>
        <translation>Minimize startup to tray</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Close startup to tray</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Upgrade</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Firmware upgrade check</translation>
    </message>
    <message>
        <source>Taobao Link</source>
        <translation>Taobao Link</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>SendFeedback</translation>
    </message>
    <message>
        <source>Brivex</source>
        <translation>Brivex</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Application software</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later.</source>
        <translation>Free software under the GNU GPL, version 3 or later.</translation>
    </message>
    <message>
        <source>V_2020.03.17.0001</source>
        <translation>V_2020.03.17.0001</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Check Update</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dark</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Pink</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>No upgradeable devices found</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Set config success</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Set config failed</translation>
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
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>DTipInfoDia</name>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>DTipInfoDia</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Do you want to save the current light mode to the device?</source>
        <translation>Do you want to save the current lighting mode to the device?</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Upgrade Firmware</source>
        <translation>Upgrade Firmware</translation>
    </message>
    <message>
        <source>If the firmware is being upgraded, do not unplug the device!</source>
        <translation>If the firmware is being upgraded, do not unplug the device!</translation>
    </message>
    <message>
        <source>Upgrade successful</source>
        <translation>Upgrade successful</translation>
    </message>
    <message>
        <source>Upgrade failed</source>
        <translation>Upgrade failed</translation>
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
        <translation>Enable X/Y</translation>
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
        <translation>Play once</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Play multiple times</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Continous playback on/off</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Play while assigned key is pressed</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Volume Up</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Volume Down</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Play/Pause</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Next track</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Prev track</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Mouse Left</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Mouse Center</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Mouse Right</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Wheel Up</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Wheel Down</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>Mouse left side key-Go</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>Mouse left side key-Back</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Close window</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Show desktop</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>Open my computer</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Lock computer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Stick</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
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
        <translation>QT_LAYOUT_DIRECTION</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Exe Crash</source>
        <translation>Exe Crash</translation>
    </message>
    <message>
        <source>I&apos;m very sorroy for this crash !</source>
        <translation>I&apos;m very sorroy for this crash !</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <source>Chinese</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Korean/English</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Like name:</source>
        <translation>Like name:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Current version:</translation>
    </message>
    <message>
        <source>Upgrade progress:</source>
        <translation>Upgrade progress:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>New version:</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Upgrade</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Complete</translation>
    </message>
</context>
<context>
    <name>keyboardImagePage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>keyboardKeyTool</name>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Cannot be remapped</source>
        <translation>Cannot be remapped</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>Remap key</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>key combination</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disable</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>Switch profile</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profile:</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>Launch application</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Shortcuts</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Unknow</translation>
    </message>
</context>
<context>
    <name>keyboardPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Modify Name</translation>
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
        <translation>APP mode:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;In app mode, the function of button customization can only be used when the app is opened. The customized content can only be saved on the computer, and it does not support downloading to the keyboard.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;In app mode, the function of button customization can only be used when the app is opened. The customized content can only be saved on the computer, and it does not support downloading to the keyboard.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Onboard Editor:</source>
        <translation>Onboard Editor:</translation>
    </message>
    <message>
        <source>In onboard editing mode, the interactive light effect is invalid.</source>
        <translation>In onboard editing mode, the interactive light effect is invalid.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The key can be downloaded and saved to the keyboard according to the customized content. The board can be divided into two layers, the default layer and the FN1 layer.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The key can be downloaded and saved to the keyboard according to the customized content. The board can be divided into two layers, the default layer and the FN1 layer.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Default layer:</source>
        <translation>Default layer:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Press the key directly to send the code.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Press the key directly to send the code.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>FN1 layer:</source>
        <translation>FN1 layer:</translation>
    </message>
    <message>
        <source>1.Select a key and set it to FN1.</source>
        <translation>1.Select a key and set it to FN1.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;2.Send the code by combining with the custom FN1 key.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;2.Send the code by combining with the custom FN1 key.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Layers:</source>
        <translation>Layers:</translation>
    </message>
    <message>
        <source>Default Layer.</source>
        <translation>Default Layer.</translation>
    </message>
    <message>
        <source>FN Layer – Factory Preset FN functions.</source>
        <translation>FN Layer – Factory Preset FN functions.</translation>
    </message>
    <message>
        <source>FN1 Layer – Can be customized.</source>
        <translation>FN1 Layer – Can be customized.</translation>
    </message>
</context>
<context>
    <name>onboardKeyboardKeyTool</name>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Cannot be remapped</source>
        <translation>Cannot be remapped</translation>
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
        <translation>Create New</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Modify Name</translation>
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
        <translation>Clean layer</translation>
    </message>
</context>
<context>
    <name>proFileOperateMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Modify Name</translation>
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

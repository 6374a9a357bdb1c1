<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>ColorWheelTool</name>
    <message>
        <source>ColorWheelTool</source>
        <translation>色轮</translation>
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
        <translation>上层颜色</translation>
    </message>
    <message>
        <source>Bottom Color</source>
        <translation>下层颜色</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>窗体</translation>
    </message>
    <message>
        <source>关联：</source>
        <translation>关联：</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>左键</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>中键</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右键</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Assign proFile</source>
        <translation>切换配置文件</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>窗体</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>按键重映射</translation>
    </message>
    <message>
        <source>Remap with key ？</source>
        <translation>映射为按键？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>表单</translation>
    </message>
    <message>
        <source>Macro:</source>
        <translation>宏:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>配置:</translation>
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
        <translation>表单</translation>
    </message>
    <message>
        <source>No custom features added</source>
        <translation>未添加自定义功能</translation>
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
        <translation>窗体</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>自定义灯效</translation>
    </message>
</context>
<context>
    <name>DDeviceListItem</name>
    <message>
        <source>Product</source>
        <translation>产品</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>Product</source>
        <translation>产品</translation>
    </message>
    <message>
        <source>Keyboard Name</source>
        <translation>键盘名称</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>设备未连接</translation>
    </message>
    <message>
        <source>Profile 1</source>
        <translation>配置文件 1</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>按键自定义</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>灯光设置</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>键盘</translation>
    </message>
    <message>
        <source>Side Light</source>
        <translation>侧边灯</translation>
    </message>
    <message>
        <source>Profile Group </source>
        <translation>配置文件组 </translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>配置文件名称</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>配置文件名称</translation>
    </message>
    <message>
        <source>Link profile to program</source>
        <translation>将配置文件关联到程序</translation>
    </message>
    <message>
        <source>App path：/usr/bin/firefox</source>
        <translation>程序路径：/usr/bin/firefox</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>选择程序</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>APP mode</source>
        <translation>应用模式</translation>
    </message>
    <message>
        <source>Onboard Editor</source>
        <translation>板载编辑</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>默认层</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1 层</translation>
    </message>
    <message>
        <source>Set FN1</source>
        <translation>设置 FN1</translation>
    </message>
    <message>
        <source>Light Synchronize</source>
        <translation>灯光同步</translation>
    </message>
    <message>
        <source>Log infomsg</source>
        <translation>日志信息</translation>
    </message>
    <message>
        <source>Restore factory settings</source>
        <translation>恢复出厂设置</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Lighting Effect</source>
        <translation>灯光效果</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>性能</translation>
    </message>
    <message>
        <source>Custom List</source>
        <translation>自定义列表</translation>
    </message>
    <message>
        <source>DPI Config</source>
        <translation>DPI 设置</translation>
    </message>
    <message>
        <source>Soft Keyboard</source>
        <translation>软键盘</translation>
    </message>
    <message>
        <source>Please open hid first!</source>
        <translation>请先打开设备！</translation>
    </message>
    <message>
        <source>Currently in On-board mode, please exit first</source>
        <translation>当前为板载模式，请先退出</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>宏</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>按键重映射</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>鼠标</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>多媒体</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>组合键</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>启动程序</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>快捷方式</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>切换配置文件</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>常亮</translation>
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
        <translation>闪烁</translation>
    </message>
    <message>
        <source>Snack</source>
        <translation>贪吃蛇</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>雷达</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>极光</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>涟漪</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>快速响应</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>触发</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自定义</translation>
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
        <translation>音乐律动</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>自动涟漪</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>条纹</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>烟花</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>碰撞</translation>
    </message>
    <message>
        <source>The profile file could not be read; it was kept as %1 and a new one was made.</source>
        <translation>无法读取配置文件；已将其保留为 %1 并新建了一个。</translation>
    </message>
    <message>
        <source>The profile file could not be written.</source>
        <translation>无法写入配置文件。</translation>
    </message>
    <message>
        <source>The profile file cannot be read for lack of permission; it was left as it is.</source>
        <translation>没有权限，无法读取配置文件；文件保持原样。</translation>
    </message>
    <message>
        <source>The device is not support On-board</source>
        <translation>该设备不支持板载模式</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>自定义灯光名称不能为空</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>修改自定义灯光名称成功</translation>
    </message>
    <message>
        <source>Set light effect successfully</source>
        <translation>设置灯效成功</translation>
    </message>
    <message>
        <source>Open light successful</source>
        <translation>开灯成功</translation>
    </message>
    <message>
        <source>Close light successful</source>
        <translation>关灯成功</translation>
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
        <translation>连续播放 开/关</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>按住按键时播放</translation>
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
        <translation>鼠标左键</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>鼠标中键</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>鼠标右键</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>滚轮向上</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>滚轮向下</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>狙击键</translation>
    </message>
    <message>
        <source>Fast config successful</source>
        <translation>快速配置成功</translation>
    </message>
    <message>
        <source>Fast config failed</source>
        <translation>快速配置失败</translation>
    </message>
    <message>
        <source>Onboard Download [Failed]</source>
        <translation>板载下载 [失败]</translation>
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
        <translation>键盘最多保存 10 个宏</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>下载失败，请重试</translation>
    </message>
    <message>
        <source>Write Start</source>
        <translation>开始写入</translation>
    </message>
    <message>
        <source>Write Over</source>
        <translation>写入完成</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>下载成功</translation>
    </message>
    <message>
        <source>Whether to restore the factory settings?</source>
        <translation>是否恢复出厂设置？</translation>
    </message>
    <message>
        <source>Restore the factory settings failed</source>
        <translation>恢复出厂设置失败</translation>
    </message>
    <message>
        <source>Restore the factory settings successful</source>
        <translation>恢复出厂设置成功</translation>
    </message>
    <message>
        <source>Config name can&apos;t be empty</source>
        <translation>配置名称不能为空</translation>
    </message>
    <message>
        <source>Modify config name successful</source>
        <translation>修改配置名称成功</translation>
    </message>
    <message>
        <source>Please select one Key first!</source>
        <translation>请先选择一个按键！</translation>
    </message>
    <message>
        <source>Set FN key successful</source>
        <translation>设置 FN 键成功</translation>
    </message>
    <message>
        <source>Set FN1 key successful</source>
        <translation>设置 FN1 键成功</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>打开配置文件</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>配置文件(*.xml)</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>保存目录</translation>
    </message>
    <message>
        <source>Create new config failed</source>
        <translation>新建配置失败</translation>
    </message>
    <message>
        <source>Create new config successful</source>
        <translation>新建配置成功</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>请先选择保存目录</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>导出配置文件成功</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>导出配置文件失败</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>请先选择要导入的文件</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>导入配置文件失败</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>导入配置文件成功</translation>
    </message>
    <message>
        <source>Need keep at least one config</source>
        <translation>至少需要保留一个配置</translation>
    </message>
    <message>
        <source>Delete config successful</source>
        <translation>删除配置成功</translation>
    </message>
    <message>
        <source>Restore config successful</source>
        <translation>恢复配置成功</translation>
    </message>
    <message>
        <source>Do you want to keep the FN key setting?</source>
        <translation>是否保留 FN 键设置？</translation>
    </message>
    <message>
        <source>Do you want to keep the FN1 key setting?</source>
        <translation>是否保留 FN1 键设置？</translation>
    </message>
    <message>
        <source>Clean layer failed</source>
        <translation>清空本层失败</translation>
    </message>
    <message>
        <source>Clean layer successful</source>
        <translation>清空本层成功</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>空</translation>
    </message>
    <message>
        <source>Empty the key successful</source>
        <translation>清空按键成功</translation>
    </message>
    <message>
        <source>Set light effect failed</source>
        <translation>设置灯效失败</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>修改自定义灯光名称失败</translation>
    </message>
    <message>
        <source>Add profile successful</source>
        <translation>添加配置文件成功</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>配置文件数量已达上限</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>至少需要保留一个配置文件</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>删除配置文件成功</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>选择程序</translation>
    </message>
    <message>
        <source>App(*)</source>
        <translation>程序(*)</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>配置文件名称不能为空</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>修改配置文件信息成功</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>是否重置当前配置？</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>重置当前配置成功</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>左键</translation>
    </message>
    <message>
        <source>Dpi Loop</source>
        <translation>DPI 循环</translation>
    </message>
    <message>
        <source>Forward_L</source>
        <translation>前进_左</translation>
    </message>
    <message>
        <source>Backward_L</source>
        <translation>后退_左</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右键</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>中键</translation>
    </message>
    <message>
        <source>Forward_R</source>
        <translation>前进_右</translation>
    </message>
    <message>
        <source>Backward_R</source>
        <translation>后退_右</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>操作失败</translation>
    </message>
    <message>
        <source>The sound cannot be captured: Musical Rhythm needs a running sound server.</source>
        <translation>无法捕获声音：音乐律动需要正在运行的声音服务器。</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>操作成功</translation>
    </message>
    <message>
        <source>The mouse cannot take this macro: at most 50 key or button events.</source>
        <translation>鼠标无法接收此宏：最多50个按键或按钮事件。</translation>
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
        <translation>狙击</translation>
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
        <translation>固件信息</translation>
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
        <translation>产品</translation>
    </message>
    <message>
        <source>My Keyboard Name</source>
        <translation>我的键盘名称</translation>
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
        <translation>窗体</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>设备未连接</translation>
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
        <translation>窗体</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>快捷方式</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>显示桌面</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>关闭窗口</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>锁定计算机</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>打开我的电脑</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>窗体</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>组合键</translation>
    </message>
    <message>
        <source>Enter key？</source>
        <translation>输入按键？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>窗体</translation>
    </message>
    <message>
        <source>Disable Key</source>
        <translation>禁用按键</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>窗体</translation>
    </message>
    <message>
        <source>Select app</source>
        <translation>选择程序</translation>
    </message>
    <message>
        <source>App path：/usr/bin/gimp</source>
        <translation>程序路径：/usr/bin/gimp</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>选择应用程序</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>选择文件</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>输入文本 ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>窗体</translation>
    </message>
    <message>
        <source>Linkage</source>
        <translation>联动</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>登录</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
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
        <translation>连续播放 开/关</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>按住按键时播放</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>指定宏</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>播放次数</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>播放次数 1,2,3...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>窗体</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Macro Group </source>
        <translation>宏分组 </translation>
    </message>
    <message>
        <source>Delay setting</source>
        <translation>延迟设置</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>录制延迟</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>无延迟</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>默认延迟</translation>
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
        <translation>录制</translation>
    </message>
    <message>
        <source>Macro record</source>
        <translation>宏记录</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>记录为空</translation>
    </message>
    <message>
        <source>0 MS</source>
        <translation>0 毫秒</translation>
    </message>
    <message>
        <source>Insert Macro</source>
        <translation>插入宏</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>在后面插入事件</translation>
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
        <translation>键盘事件</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>鼠标事件</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>延迟</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>请输入按键</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>左键</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>中键</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右键</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>请输入延迟时间</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>插入</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>鼠标</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
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
        <translation>无法开始录制</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>开始录制宏</translation>
    </message>
    <message>
        <source>Keys and clicks are recorded only in this program&apos;s windows</source>
        <translation>仅在本程序的窗口中录制按键和点击</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>停止录制宏</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>保存录制的宏失败</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Delete failed</source>
        <translation>删除失败</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>请先选择具体位置</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>事件数量已达上限</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>插入失败</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>插入成功</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>修改失败</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>修改成功</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>移动失败</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>添加宏失败</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>添加宏成功</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>删除宏失败</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>删除宏成功</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>宏名称不能为空</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>修改宏名称成功</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>修改宏名称失败</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>请先选择一个宏</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>清空宏记录失败</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>清空宏记录成功</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>打开宏文件</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>宏文件(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>导入宏失败</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>导入宏成功</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>保存目录</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>请先选择保存目录</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>导出宏失败</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>导出宏成功</translation>
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
        <translation>首页</translation>
    </message>
    <message>
        <source>DEVICE</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>宏</translation>
    </message>
    <message>
        <source>LINKAGE</source>
        <translation>联动</translation>
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
        <translation>还原(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>The file %1 could not be read; it was left as it is.</source>
        <translation>无法读取文件 %1；已保持原样。</translation>
    </message>
    <message>
        <source>The file %1 could not be read; it was kept as %2 and a new one was made.</source>
        <translation>无法读取文件 %1；已另存为 %2，并新建了一个文件。</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>鼠标按键</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>鼠标左键</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>鼠标中键</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>鼠标右键</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>鼠标左侧键-后退</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>鼠标左侧键-前进</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>滚轮向下</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>滚轮向上</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>狙击键</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>环绕灯光</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>滚轮</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>标志</translation>
    </message>
</context>
<context>
    <name>DMousePage</name>
    <message>
        <source>Left Click</source>
        <translation>左键</translation>
    </message>
    <message>
        <source>Dpi Loop</source>
        <translation>DPI 循环</translation>
    </message>
    <message>
        <source>Forward_L</source>
        <translation>前进_左</translation>
    </message>
    <message>
        <source>Backward_L</source>
        <translation>后退_左</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右键</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>中键</translation>
    </message>
    <message>
        <source>Forward_R</source>
        <translation>前进_右</translation>
    </message>
    <message>
        <source>Backward_R</source>
        <translation>后退_右</translation>
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
        <translation>鼠标左键</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>鼠标中键</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>鼠标右键</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>滚轮向上</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>滚轮向下</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>狙击键</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
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
        <translation>鼠标属性：</translation>
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
        <translation>重置当前配置文件</translation>
    </message>
    <message>
        <source>Mouse settings</source>
        <translation>鼠标设置</translation>
    </message>
    <message>
        <source>No mouse settings tool found</source>
        <translation>未找到鼠标设置工具</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>多媒体</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暂停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>下一曲</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>上一曲</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>音量减</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>音量加</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>播放器</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>计算器</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>计算机</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>电子邮件</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>浏览器</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>按键重映射</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>宏</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>组合键</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>多媒体</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>鼠标</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>切换配置文件</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>启动程序</translation>
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
        <translation>默认</translation>
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
        <translation>窗体</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Win锁开启时：</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>禁用Windows键</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>禁用ALT+F4</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>禁用SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>禁用ALT+TAB</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>重置当前配置文件</translation>
    </message>
    <message>
        <source>Wimdows Keyboard Properties</source>
        <translation>键盘设置</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>设置</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>主题</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>背景图片</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>开机启动</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>系统启动时运行程序（最小化）</translation>
    </message>
    <message>
        <source>Minimize startup to tray</source>
        <translation>最小化到托盘</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>关闭到托盘</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>固件升级检测</translation>
    </message>
    <message>
        <source>Taobao Link</source>
        <translation>淘宝链接</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>支持</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>发送反馈</translation>
    </message>
    <message>
        <source>Brivex</source>
        <translation>Brivex</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>应用软件</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later.</source>
        <translation>自由软件，依据 GNU GPL 第 3 版或更高版本授权。</translation>
    </message>
    <message>
        <source>V_2020.03.17.0001</source>
        <translation>V_2020.03.17.0001</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>链接</translation>
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
        <translation>蓝色</translation>
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
        <translation>未找到可升级的设备</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>设置成功</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>设置失败</translation>
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
        <translation>表单</translation>
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
        <translation>不保存</translation>
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
        <translation>是否将当前灯效保存到设备？</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Upgrade Firmware</source>
        <translation>固件升级</translation>
    </message>
    <message>
        <source>If the firmware is being upgraded, do not unplug the device!</source>
        <translation>固件升级过程中，请勿拔出设备！</translation>
    </message>
    <message>
        <source>Upgrade successful</source>
        <translation>升级成功</translation>
    </message>
    <message>
        <source>Upgrade failed</source>
        <translation>升级失败</translation>
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
        <translation>启用 X/Y</translation>
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
        <translation>连续播放开/关</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>按住按键时播放</translation>
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
        <translation>静音</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暂停</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>下一曲</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>上一曲</translation>
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
        <translation>计算器</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>我的电脑</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>浏览器</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>邮件</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>鼠标左键</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>鼠标中键</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>鼠标右键</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>滚轮向上</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>滚轮向下</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>鼠标左侧键-前进</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>鼠标左侧键-后退</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>关闭窗口</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>显示桌面</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>打开我的电脑</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>锁定电脑</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
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
        <translation>程序崩溃</translation>
    </message>
    <message>
        <source>I&apos;m very sorroy for this crash !</source>
        <translation>非常抱歉，程序崩溃了！</translation>
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
        <translation>韩文/英文</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Like name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>当前版本：</translation>
    </message>
    <message>
        <source>Upgrade progress:</source>
        <translation>升级进度：</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>新版本：</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升级</translation>
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
        <translation>窗体</translation>
    </message>
</context>
<context>
    <name>keyboardKeyTool</name>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Cannot be remapped</source>
        <translation>不可修改</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>按键重映射</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>宏</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>组合键</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>多媒体</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>鼠标</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>切换配置</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>配置:</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>启动程序</translation>
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
        <translation>窗体</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>修改名称</translation>
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
        <translation>应用模式：</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;In app mode, the function of button customization can only be used when the app is opened. The customized content can only be saved on the computer, and it does not support downloading to the keyboard.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;在应用模式下，按键自定义功能只有在应用打开时才能使用。自定义内容只能保存在电脑上，不支持下载到键盘。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Onboard Editor:</source>
        <translation>板载编辑：</translation>
    </message>
    <message>
        <source>In onboard editing mode, the interactive light effect is invalid.</source>
        <translation>在板载编辑模式下，互动灯效无效。</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The key can be downloaded and saved to the keyboard according to the customized content. The board can be divided into two layers, the default layer and the FN1 layer.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;可以根据自定义内容将按键下载并保存到键盘中。键盘分为两层：默认层和 FN1 层。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Default layer:</source>
        <translation>默认层：</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Press the key directly to send the code.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;直接按下按键即可发送键码。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>FN1 layer:</source>
        <translation>FN1 层：</translation>
    </message>
    <message>
        <source>1.Select a key and set it to FN1.</source>
        <translation>1. 选择一个按键并将其设为 FN1。</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;2.Send the code by combining with the custom FN1 key.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;2. 与自定义的 FN1 键组合发送键码。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Layers:</source>
        <translation>层：</translation>
    </message>
    <message>
        <source>Default Layer.</source>
        <translation>默认层。</translation>
    </message>
    <message>
        <source>FN Layer – Factory Preset FN functions.</source>
        <translation>FN 层 – 出厂预设的 FN 功能。</translation>
    </message>
    <message>
        <source>FN1 Layer – Can be customized.</source>
        <translation>FN1 层 – 可自定义。</translation>
    </message>
</context>
<context>
    <name>onboardKeyboardKeyTool</name>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Cannot be remapped</source>
        <translation>不可修改</translation>
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
        <translation>导出</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>修改名称</translation>
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
        <translation>清空本层</translation>
    </message>
</context>
<context>
    <name>proFileOperateMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>修改名称</translation>
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

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>QRNLocalizedString</name>
    <message>
        <source>分</source>
        <translation>min</translation>
    </message>
    <message>
        <source>小时</source>
        <translation>h</translation>
    </message>
    <message>
        <source>百度</source>
        <translation>Baidu</translation>
    </message>
    <message>
        <source>知道了</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>s</translation>
    </message>
    <message>
        <source>系统错误</source>
        <translation>System error</translation>
    </message>
    <message>
        <source>自动检测</source>
        <translation>Auto detect</translation>
    </message>
    <message>
        <source>请检查网络</source>
        <translation>Please check your network</translation>
    </message>
    <message>
        <source>谷歌</source>
        <translation>Google</translation>
    </message>
    <message>
        <source>雅虎</source>
        <translation>Yahoo</translation>
    </message>
    <message>
        <source>鼠标设置</source>
        <translation>Mouse settings</translation>
    </message>
    <message>
        <source>智能设置</source>
        <translation>Smart settings</translation>
    </message>
    <message>
        <source>软件设置</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>个性化设置</source>
        <translation>Personalization</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>智笔设置</source>
        <translation>Smart pen</translation>
    </message>
    <message>
        <source>打开主界面</source>
        <translation>Open main window</translation>
    </message>
    <message>
        <source>使用引导</source>
        <translation>Getting started</translation>
    </message>
    <message>
        <source>权限设置</source>
        <translation>Permissions</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>未检测到设备</source>
        <translation>No device detected</translation>
    </message>
    <message>
        <source>请将接收器插入电脑的USB接口，或通过蓝牙连接鼠标</source>
        <translation>Plug the receiver into a USB port of your computer, or connect the mouse over Bluetooth</translation>
    </message>
    <message>
        <source>设备连接后将自动打开设置界面</source>
        <translation>The settings open by themselves once the device is connected</translation>
    </message>
    <message>
        <source>电量低，请充电</source>
        <translation>Battery low, please charge</translation>
    </message>
    <message>
        <source>界面语言</source>
        <translation>Interface language</translation>
    </message>
    <message>
        <source>开机自启动</source>
        <translation>Start at login</translation>
    </message>
    <message>
        <source>设置失败</source>
        <translation>Setting failed</translation>
    </message>
    <message>
        <source>以下各项决定哪些功能可以使用</source>
        <translation>These items decide which features can work</translation>
    </message>
    <message>
        <source>设备访问</source>
        <translation>Device access</translation>
    </message>
    <message>
        <source>读写接收器的 HID 设备节点，用于连接设备、接收按键和语音</source>
        <translation>Read and write the receiver's HID device nodes, to connect the device and receive its keys and voice</translation>
    </message>
    <message>
        <source>安装随程序提供的 udev 规则，然后重新插入接收器：</source>
        <translation>Install the udev rule that comes with the program, then plug the receiver in again:</translation>
    </message>
    <message>
        <source>辅助功能</source>
        <translation>Accessibility</translation>
    </message>
    <message>
        <source>桌面辅助功能总线（AT-SPI），用于将识别的文字直接写入输入框</source>
        <translation>The desktop's accessibility bus (AT-SPI), to write recognised text straight into input fields</translation>
    </message>
    <message>
        <source>请安装 at-spi2-core 并在系统设置中开启辅助功能，然后重新登录</source>
        <translation>Install at-spi2-core, turn accessibility on in the system settings, then log in again</translation>
    </message>
    <message>
        <source>X11 会话</source>
        <translation>X11 session</translation>
    </message>
    <message>
        <source>全局快捷键、模拟按键、输入监听和截图需要 X11 会话</source>
        <translation>Global shortcuts, synthesised keys, input monitoring and screenshots need an X11 session</translation>
    </message>
    <message>
        <source>请在登录界面选择 X11（Xorg）会话</source>
        <translation>Choose the X11 (Xorg) session on the login screen</translation>
    </message>
    <message>
        <source>受限</source>
        <translation>Limited</translation>
    </message>
    <message>
        <source>Wayland 会话中，模拟按键、全局快捷键、输入监听和截图只对 XWayland 窗口有效，对原生 Wayland 窗口无效；如需全部功能，请在登录界面选择 X11（Xorg）会话</source>
        <translation>In a Wayland session, synthesised keys, global shortcuts, input monitoring and screenshots work only with XWayland windows, not with native Wayland windows; for all functions, choose the X11 (Xorg) session on the login screen</translation>
    </message>
    <message>
        <source>已授权</source>
        <translation>Granted</translation>
    </message>
    <message>
        <source>未授权</source>
        <translation>Not granted</translation>
    </message>
    <message>
        <source>未检测到接收器</source>
        <translation>No receiver found</translation>
    </message>
    <message>
        <source>检测中</source>
        <translation>Checking</translation>
    </message>
    <message>
        <source>复制命令</source>
        <translation>Copy command</translation>
    </message>
    <message>
        <source>已复制</source>
        <translation>Copied</translation>
    </message>
    <message>
        <source>重新检测</source>
        <translation>Check again</translation>
    </message>
    <message>
        <source>辅助设置</source>
        <translation>Auxiliary settings</translation>
    </message>
    <message>
        <source>部分设置无法读取，已恢复为默认值</source>
        <translation>Some settings could not be read and were reset to their defaults</translation>
    </message>
    <message>
        <source>原设置文件已另存为：</source>
        <translation>The original settings file was kept as: </translation>
    </message>
    <message>
        <source>录音失败，请检查麦克风</source>
        <translation>Recording failed, please check the microphone</translation>
    </message>
    <message>
        <source>点击太快了</source>
        <translation>Pressed too quickly</translation>
    </message>
    <message>
        <source>请说话...</source>
        <translation>Please speak...</translation>
    </message>
    <message>
        <source>没有听到您说话，请按语音键重说</source>
        <translation>No speech was heard. Press the voice key to try again</translation>
    </message>
    <message>
        <source>切换到打字模式</source>
        <translation>Switched to typing mode</translation>
    </message>
    <message>
        <source>切换到翻译模式</source>
        <translation>Switched to translation mode</translation>
    </message>
    <message>
        <source>连接服务器失败,请检查网络</source>
        <translation>Failed to connect to the server, please check the network</translation>
    </message>
    <message>
        <source>读取音频文件失败</source>
        <translation>The audio file could not be read</translation>
    </message>
    <message>
        <source>无法播放回答中的音频</source>
        <translation>The audio of the answer cannot be played</translation>
    </message>
    <message>
        <source>粘贴失败</source>
        <translation>Paste failed</translation>
    </message>
    <message>
        <source>翻译失败</source>
        <translation>Translation failed</translation>
    </message>
    <message>
        <source>无法朗读：没有语音引擎或声音输出设备</source>
        <translation>Cannot read aloud: no speech engine or sound output device</translation>
    </message>
    <message>
        <source>无法播放音频</source>
        <translation>The audio cannot be played</translation>
    </message>
    <message>
        <source>无法打开浏览器</source>
        <translation>Cannot open the browser</translation>
    </message>
    <message>
        <source>未获取到选中的文字</source>
        <translation>No selected text was found</translation>
    </message>
    <message>
        <source>复制成功</source>
        <translation>Copied</translation>
    </message>
    <message>
        <source>复制失败</source>
        <translation>Copy failed</translation>
    </message>
    <message>
        <source>识别结果</source>
        <translation>Recognition result</translation>
    </message>
    <message>
        <source>划词翻译</source>
        <translation>Translate selection</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>Shortcut</translation>
    </message>
    <message>
        <source>截图翻译</source>
        <translation>Screenshot translation</translation>
    </message>
    <message>
        <source>截图快捷键已被其他程序占用</source>
        <translation>The screenshot shortcut is taken by another program</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Save failed</translation>
    </message>
    <message>
        <source>截图失败</source>
        <translation>Screenshot failed</translation>
    </message>
    <message>
        <source>AI窗口无法打开</source>
        <translation>The AI window cannot be opened</translation>
    </message>
    <message>
        <source>设备未连接</source>
        <translation>Device not connected</translation>
    </message>
    <message>
        <source>打开失败</source>
        <translation>Could not open</translation>
    </message>
    <message>
        <source>已下载%1%</source>
        <translation>Downloaded %1%</translation>
    </message>
    <message>
        <source>下载完成</source>
        <translation>Download complete</translation>
    </message>
    <message>
        <source>导出完成</source>
        <translation>Export complete</translation>
    </message>
    <message>
        <source>下载失败，error=%1</source>
        <translation>Download failed, error=%1</translation>
    </message>
    <message>
        <source>导出失败，error=%1</source>
        <translation>Export failed, error=%1</translation>
    </message>
    <message>
        <source>Esc 键已被其他程序占用，请切换模式结束画笔</source>
        <translation>Esc is taken by another program; change the mode to end the pen</translation>
    </message>
    <message>
        <source>无法读取屏幕画面</source>
        <translation>The screen cannot be read</translation>
    </message>
    <message>
        <source>硬激光</source>
        <translation>Hard laser</translation>
    </message>
    <message>
        <source>突出显示</source>
        <translation>Highlight</translation>
    </message>
    <message>
        <source>数码光点</source>
        <translation>Digital light spot</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>Magnifier</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>Pen</translation>
    </message>
    <message>
        <source>切换到投屏模式</source>
        <translation>Switched to screen-casting mode</translation>
    </message>
</context>
</TS>

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
        <source>Esc 键已被其他程序占用，请点击效果后按 Esc 退出</source>
        <translation>Esc is taken by another program; click the effect, then press Esc to leave</translation>
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
    <message>
        <source>倒计时和警告</source>
        <translation>Countdown and warning</translation>
    </message>
    <message>
        <source>15分钟</source>
        <translation>15 minutes</translation>
    </message>
    <message>
        <source>30分钟</source>
        <translation>30 minutes</translation>
    </message>
    <message>
        <source>60分钟</source>
        <translation>60 minutes</translation>
    </message>
    <message>
        <source>自定义倒计时长</source>
        <translation>Custom length (minutes)</translation>
    </message>
    <message>
        <source>语音键功能</source>
        <translation>Voice key function</translation>
    </message>
    <message>
        <source>麦克风</source>
        <translation>Microphone</translation>
    </message>
    <message>
        <source>语音打字</source>
        <translation>Voice typing</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Voice translation</translation>
    </message>
    <message>
        <source>语音搜索</source>
        <translation>Voice search</translation>
    </message>
    <message>
        <source>切换到麦克风模式</source>
        <translation>Switched to microphone mode</translation>
    </message>
    <message>
        <source>切换到搜索模式</source>
        <translation>Switched to search mode</translation>
    </message>
    <message>
        <source>输入设置</source>
        <translation>Input settings</translation>
    </message>
    <message>
        <source>识别带标点</source>
        <translation>Punctuation</translation>
    </message>
    <message>
        <source>打字兼容模式</source>
        <translation>Typing compatibility mode</translation>
    </message>
    <message>
        <source>长语音识别</source>
        <translation>Long speech recognition</translation>
    </message>
    <message>
        <source>输入语种</source>
        <translation>Input language</translation>
    </message>
    <message>
        <source>语音打字快捷键</source>
        <translation>Voice typing shortcut</translation>
    </message>
    <message>
        <source>语音翻译快捷键</source>
        <translation>Voice translation shortcut</translation>
    </message>
    <message>
        <source>语音搜索快捷键</source>
        <translation>Voice search shortcut</translation>
    </message>
    <message>
        <source>翻译设置</source>
        <translation>Translation settings</translation>
    </message>
    <message>
        <source>翻译语种</source>
        <translation>Translation languages</translation>
    </message>
    <message>
        <source>语音搜索引擎</source>
        <translation>Voice search engine</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>手机号/邮箱</source>
        <translation>Phone number/e-mail</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>信息不能为空</source>
        <translation>Information cannot be empty</translation>
    </message>
    <message>
        <source>请填写手机号/邮箱</source>
        <translation>Please enter your phone number or e-mail</translation>
    </message>
    <message>
        <source>请填写密码</source>
        <translation>Please enter the password</translation>
    </message>
    <message>
        <source>记住密码</source>
        <translation>Remember password</translation>
    </message>
    <message>
        <source>忘记密码</source>
        <translation>Forgot password</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>Log in</translation>
    </message>
    <message>
        <source>注册</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>登录成功</source>
        <translation>Logged in</translation>
    </message>
    <message>
        <source>登录失败</source>
        <translation>Login failed</translation>
    </message>
    <message>
        <source>验证码</source>
        <translation>Verification code</translation>
    </message>
    <message>
        <source>再次输入密码</source>
        <translation>Enter the password again</translation>
    </message>
    <message>
        <source>我已阅读并同意&lt;&lt;Corvane隐私政策&gt;&gt;及&lt;&lt;Corvane用户服务协议&gt;&gt;</source>
        <translation>I have read and agree to the &lt;&lt;Corvane Privacy Policy&gt;&gt; and the &lt;&lt;Corvane User Service Agreement&gt;&gt;</translation>
    </message>
    <message>
        <source>请先阅读并同意&lt;&lt;Corvane隐私政策&gt;&gt;及&lt;&lt;Corvane用户服务协议&gt;&gt;</source>
        <translation>Please read and agree to the &lt;&lt;Corvane Privacy Policy&gt;&gt; and the &lt;&lt;Corvane User Service Agreement&gt;&gt; first</translation>
    </message>
    <message>
        <source>请填写验证码</source>
        <translation>Please enter the verification code</translation>
    </message>
    <message>
        <source>请填写确认密码</source>
        <translation>Please confirm the password</translation>
    </message>
    <message>
        <source>两次输入密码不一致</source>
        <translation>The two passwords do not match</translation>
    </message>
    <message>
        <source>获取验证码失败</source>
        <translation>Could not get a verification code</translation>
    </message>
    <message>
        <source>注册失败</source>
        <translation>Registration failed</translation>
    </message>
    <message>
        <source>找回秘密</source>
        <translation>Reset password</translation>
    </message>
    <message>
        <source>修改密码成功</source>
        <translation>Password changed</translation>
    </message>
    <message>
        <source>修改密码失败</source>
        <translation>Could not change the password</translation>
    </message>
    <message>
        <source>发送验证码</source>
        <translation>Send code</translation>
    </message>
    <message>
        <source>s后重新获取</source>
        <translation>s until resend</translation>
    </message>
    <message>
        <source>请先登录</source>
        <translation>Please log in</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>请输入内容</source>
        <translation>Type your question</translation>
    </message>
    <message>
        <source>正在生成中。。。</source>
        <translation>Generating…</translation>
    </message>
    <message>
        <source>充值</source>
        <translation>Recharge</translation>
    </message>
    <message>
        <source>到期时间</source>
        <translation>Expires</translation>
    </message>
    <message>
        <source>获取用户信息失败</source>
        <translation>Could not get the user information</translation>
    </message>
    <message>
        <source>指令词</source>
        <translation>Command words</translation>
    </message>
    <message>
        <source>热词</source>
        <translation>Hot words</translation>
    </message>
    <message>
        <source>添加指令</source>
        <translation>Add command</translation>
    </message>
    <message>
        <source>确定要删除语音指令‘%1’？</source>
        <translation>Delete the voice command "%1"?</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>删除后该语音指令将失效！</source>
        <translation>The voice command will no longer work once deleted!</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>Delete failed</translation>
    </message>
    <message>
        <source>点击此处添加热词,每行一个</source>
        <translation>Click here to add hot words, one per line</translation>
    </message>
    <message>
        <source>创建</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>创建失败</source>
        <translation>Create failed</translation>
    </message>
    <message>
        <source>添加个性化指令</source>
        <translation>Add custom command</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>执行路径</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>网页</source>
        <translation>Web page</translation>
    </message>
    <message>
        <source>固定文本</source>
        <translation>Fixed text</translation>
    </message>
    <message>
        <source>请填写完整后再创建</source>
        <translation>Please complete the form before creating</translation>
    </message>
    <message>
        <source>指令词已存在</source>
        <translation>Command word already exists</translation>
    </message>
    <message>
        <source>文件或文件夹不存在</source>
        <translation>File or folder not found</translation>
    </message>
    <message>
        <source>请重新填写完整后再创建</source>
        <translation>Please fill in the form again before creating</translation>
    </message>
    <message>
        <source>编辑失败</source>
        <translation>Edit failed</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>请输入音频路径…</source>
        <translation>Enter the audio file path…</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>默认存储路径为</source>
        <translation>Default save location: </translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Documents</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>开始转写</source>
        <translation>Start transcription</translation>
    </message>
    <message>
        <source>正在转写,请稍后...</source>
        <translation>Transcribing, please wait...</translation>
    </message>
    <message>
        <source>模式选择</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>常亮</source>
        <translation>Steady</translation>
    </message>
    <message>
        <source>呼吸</source>
        <translation>Breathing</translation>
    </message>
    <message>
        <source>跑马灯</source>
        <translation>Marquee</translation>
    </message>
    <message>
        <source>速度等级</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>亮度调节</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>颜色选择</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>低</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>高</source>
        <translation>High</translation>
    </message>
    <message>
        <source>暗</source>
        <translation>Dim</translation>
    </message>
    <message>
        <source>亮</source>
        <translation>Bright</translation>
    </message>
    <message>
        <source>使用习惯</source>
        <translation>Hand</translation>
    </message>
    <message>
        <source>左手</source>
        <translation>Left hand</translation>
    </message>
    <message>
        <source>右手</source>
        <translation>Right hand</translation>
    </message>
    <message>
        <source>低电提醒设置</source>
        <translation>Low-battery reminder</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>我的设备</source>
        <translation>My device</translation>
    </message>
    <message>
        <source>自动删除录音</source>
        <translation>Delete recordings automatically</translation>
    </message>
    <message>
        <source>录音过程中指示灯熄灭</source>
        <translation>Indicator off while recording</translation>
    </message>
    <message>
        <source>电量:</source>
        <translation>Battery:</translation>
    </message>
    <message>
        <source>固件版本:</source>
        <translation>Firmware:</translation>
    </message>
    <message>
        <source>版本</source>
        <translation>Version </translation>
    </message>
    <message>
        <source>设备序列号:</source>
        <translation>Serial number:</translation>
    </message>
    <message>
        <source>关于AI鼠标</source>
        <translation>About AI Mouse</translation>
    </message>
    <message>
        <source>软件版本：</source>
        <translation>Software version:</translation>
    </message>
    <message>
        <source>固件版本：</source>
        <translation>Firmware version:</translation>
    </message>
    <message>
        <source>版本说明</source>
        <translation>Release notes </translation>
    </message>
    <message>
        <source>语音打字，语音翻译，语音搜索，语音控制
划词翻译，截图识别，截图翻译，按键宏定义</source>
        <translation>Voice typing, voice translation, voice search, voice control
Word translation, screenshot recognition, screenshot translation, key macros</translation>
    </message>
    <message>
        <source>升级设备固件</source>
        <translation>Update device</translation>
    </message>
    <message>
        <source>升级接收器固件</source>
        <translation>Update receiver</translation>
    </message>
    <message>
        <source>取消升级</source>
        <translation>Cancel update</translation>
    </message>
    <message>
        <source>升级后如果连接不上请重新配对</source>
        <translation>If the device does not connect after the update, pair it again</translation>
    </message>
    <message>
        <source>当前是最新版本</source>
        <translation>You have the latest version</translation>
    </message>
    <message>
        <source>升级失败</source>
        <translation>Update failed</translation>
    </message>
    <message>
        <source>升级取消</source>
        <translation>Update cancelled</translation>
    </message>
    <message>
        <source>固件升级中，退出将中断升级。</source>
        <translation>A firmware update is running. Quitting stops it.</translation>
    </message>
    <message>
        <source>继续升级</source>
        <translation>Keep updating</translation>
    </message>
    <message>
        <source>取消升级并退出</source>
        <translation>Cancel update and quit</translation>
    </message>
    <message>
        <source>鼠标</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>电脑</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>公网</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Corvane</source>
        <translation>Corvane</translation>
    </message>
    <message>
        <source>一键检测</source>
        <translation>Check now</translation>
    </message>
    <message>
        <source>重置驱动</source>
        <translation>Reset driver</translation>
    </message>
    <message>
        <source>当前设备和环境一切正常,请放心使用,如有问题请联系客服</source>
        <translation>Your device and environment are working normally. If you have a problem, please contact customer service</translation>
    </message>
    <message>
        <source>当前设备和环境异常,如有问题请联系客服</source>
        <translation>Something is wrong with your device or environment. If you have a problem, please contact customer service</translation>
    </message>
    <message>
        <source>转写音频</source>
        <translation>Transcribe audio</translation>
    </message>
    <message>
        <source>转写记录</source>
        <translation>Transcriptions</translation>
    </message>
    <message>
        <source>个人词库</source>
        <translation>My vocabulary</translation>
    </message>
    <message>
        <source>充值记录</source>
        <translation>Top-up history</translation>
    </message>
    <message>
        <source>昵称</source>
        <translation>Nickname</translation>
    </message>
    <message>
        <source>修改密码</source>
        <translation>Change password</translation>
    </message>
    <message>
        <source>可用时长(分钟):</source>
        <translation>Minutes left:</translation>
    </message>
    <message>
        <source>请输入原始密码</source>
        <translation>Enter the current password</translation>
    </message>
    <message>
        <source>请输入新密码</source>
        <translation>Enter the new password</translation>
    </message>
    <message>
        <source>请再次输入新密码</source>
        <translation>Enter the new password again</translation>
    </message>
    <message>
        <source>验证码登录</source>
        <translation>Sign in with code</translation>
    </message>
    <message>
        <source>密码登录</source>
        <translation>Sign in with password</translation>
    </message>
    <message>
        <source>手机号</source>
        <translation>Phone number</translation>
    </message>
    <message>
        <source>请输入手机号</source>
        <translation>Enter the phone number</translation>
    </message>
    <message>
        <source>获取验证码</source>
        <translation>Get code</translation>
    </message>
    <message>
        <source>请输入验证码</source>
        <translation>Enter the code</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>Enter the password</translation>
    </message>
    <message>
        <source>扫一扫</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>立即登录</source>
        <translation>to sign in</translation>
    </message>
    <message>
        <source>进入AI智能创作</source>
        <translation>Enter AI creation</translation>
    </message>
    <message>
        <source>重置按键功能</source>
        <translation>Reset key functions</translation>
    </message>
    <message>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <source>设置无法保存，更改将在下次启动时丢失</source>
        <translation>Settings cannot be saved; your changes will be lost at the next start</translation>
    </message>
    <message>
        <source>无法写入：</source>
        <translation>Cannot write: </translation>
    </message>
    <message>
        <source>语音指令数据库被其他程序占用，指令稍后保存</source>
        <translation>Another program is using the voice-command database; commands will be saved later</translation>
    </message>
    <message>
        <source>语音指令数据库已损坏，已重新创建</source>
        <translation>The voice-command database was damaged and has been made anew</translation>
    </message>
    <message>
        <source>原文件已另存为：</source>
        <translation>The old file was kept as: </translation>
    </message>
    <message>
        <source>正在识别…</source>
        <translation>Recognising…</translation>
    </message>
    <message>
        <source>找不到可用的主文件夹，设置和记录都不会保存</source>
        <translation>No usable home folder: settings and logs will not be saved</translation>
    </message>
    <message>
        <source>以root身份运行时无法打开AI窗口</source>
        <translation>The AI window cannot be opened while running as root</translation>
    </message>
    <message>
        <source>未能记住密码：没有可用的密钥环服务</source>
        <translation>The password could not be remembered: no keyring service is available</translation>
    </message>
    <message>
        <source>未能记住密码：密钥环未能保存</source>
        <translation>The password could not be remembered: the keyring did not save it</translation>
    </message>
    <message>
        <source>固件下载失败，将在下次检查时重试</source>
        <translation>The firmware download failed; it will be tried again at the next check</translation>
    </message>
    <message>
        <source>没有朗读这种语言的语音，已用默认语音朗读</source>
        <translation>No voice reads this language; the default voice read it</translation>
    </message>
    <message>
        <source>原设置文件无法另存，无法读取的设置暂时保留在：</source>
        <translation>The original settings file could not be copied; the unreadable settings stay for now in: </translation>
    </message>
    <message>
        <source>语音指令数据库无法使用，指令只保存在本次运行中</source>
        <translation>The voice-command database cannot be used; commands are kept for this session only</translation>
    </message>
    <message>
        <source>数据库文件保持原样。原因：</source>
        <translation>The database file is left as it is. Reason: </translation>
    </message>
    <message>
        <source>按键功能未能加载，将在下次连接设备或打开本页时重新获取</source>
        <translation>The key functions could not be loaded; they will be fetched again the next time the device connects or this page opens</translation>
    </message>
    <message>
        <source>未识别到文字</source>
        <translation>No text was recognised</translation>
    </message>
    <message>
        <source>关于智笔</source>
        <translation>About Smart Pen</translation>
    </message>
    <message>
        <source>SN:%1         软件版本： %2         固件版本： %3(%4)</source>
        <translation>SN: %1         Software version: %2         Firmware version: %3(%4)</translation>
    </message>
    <message>
        <source>升级成功</source>
        <translation>Update successful</translation>
    </message>
    <message>
        <source>+添加指令</source>
        <translation>+ Add command</translation>
    </message>
    <message>
        <source>到期时间:%1</source>
        <translation>Expires: %1</translation>
    </message>
    <message>
        <source>&lt; 返回</source>
        <translation>&lt; Back</translation>
    </message>
    <message>
        <source>该设备的AI对话页面暂未开放，您的问题会先保存在这里，请检查网络</source>
        <translation>The AI chat page of this device is not available yet. Your questions are kept here until it is; please check the network.</translation>
    </message>
    <message>
        <source>该设备的AI对话页面暂未开放，您的问题会先保存在这里，请连接设备并检查网络</source>
        <translation>The AI chat page of this device is not available yet. Your questions are kept here until it is; please connect the device and check the network.</translation>
    </message>
    <message>
        <source>AI助手</source>
        <translation>AI helper</translation>
    </message>
    <message>
        <source>AI智能写作</source>
        <translation>AI writing</translation>
    </message>
    <message>
        <source>PPT</source>
        <translation>PPT</translation>
    </message>
    <message>
        <source>录音失败</source>
        <translation>Recording failed</translation>
    </message>
    <message>
        <source>语音识别出错</source>
        <translation>Speech recognition failed</translation>
    </message>
    <message>
        <source>固件文件无效，此版本不再下载</source>
        <translation>The firmware file is invalid; this version will not be downloaded again</translation>
    </message>
    <message>
        <source>程序已在您的另一个会话中运行。请在那里使用，或先在那里退出。</source>
        <translation>The program is already running in another of your sessions. Use it there, or quit it there first.</translation>
    </message>
    <message>
        <source>程序已在运行，但没有响应。请结束它后再重新启动。</source>
        <translation>The program is already running but does not respond. End it, then start it again.</translation>
    </message>
</context>
</TS>

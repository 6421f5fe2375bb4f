<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fil_PH" sourcelanguage="zh_CN">
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
        <translation>Sige</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>s</translation>
    </message>
    <message>
        <source>系统错误</source>
        <translation>Error sa system</translation>
    </message>
    <message>
        <source>自动检测</source>
        <translation>Awtomatikong tuklasin</translation>
    </message>
    <message>
        <source>请检查网络</source>
        <translation>Pakisuri ang iyong network</translation>
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
        <translation>Mga setting ng mouse</translation>
    </message>
    <message>
        <source>智能设置</source>
        <translation>Mga smart na setting</translation>
    </message>
    <message>
        <source>软件设置</source>
        <translation>Mga setting ng software</translation>
    </message>
    <message>
        <source>个性化设置</source>
        <translation>Pag-personalize</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Mga kagustuhan</translation>
    </message>
    <message>
        <source>智笔设置</source>
        <translation>Mga setting ng smart pen</translation>
    </message>
    <message>
        <source>打开主界面</source>
        <translation>Buksan ang pangunahing window</translation>
    </message>
    <message>
        <source>使用引导</source>
        <translation>Gabay sa pagsisimula</translation>
    </message>
    <message>
        <source>权限设置</source>
        <translation>Mga pahintulot</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Umalis</translation>
    </message>
    <message>
        <source>未检测到设备</source>
        <translation>Walang natukoy na device</translation>
    </message>
    <message>
        <source>请将接收器插入电脑的USB接口，或通过蓝牙连接鼠标</source>
        <translation>Isaksak ang receiver sa USB port ng computer, o ikonekta ang mouse sa Bluetooth</translation>
    </message>
    <message>
        <source>设备连接后将自动打开设置界面</source>
        <translation>Kusang bubukas ang mga setting kapag nakakonekta na ang device</translation>
    </message>
    <message>
        <source>电量低，请充电</source>
        <translation>Mahina ang baterya, paki-charge</translation>
    </message>
    <message>
        <source>界面语言</source>
        <translation>Wika ng interface</translation>
    </message>
    <message>
        <source>开机自启动</source>
        <translation>Simulan sa pag-login</translation>
    </message>
    <message>
        <source>设置失败</source>
        <translation>Nabigo ang setting</translation>
    </message>
    <message>
        <source>以下各项决定哪些功能可以使用</source>
        <translation>Tinutukoy ng mga ito kung aling mga feature ang gagana</translation>
    </message>
    <message>
        <source>设备访问</source>
        <translation>Access sa device</translation>
    </message>
    <message>
        <source>读写接收器的 HID 设备节点，用于连接设备、接收按键和语音</source>
        <translation>Pagbasa at pagsulat sa mga HID device node ng receiver, para ikonekta ang device at tanggapin ang mga key at boses nito</translation>
    </message>
    <message>
        <source>安装随程序提供的 udev 规则，然后重新插入接收器：</source>
        <translation>I-install ang udev rule na kasama ng program, saka isaksak muli ang receiver:</translation>
    </message>
    <message>
        <source>辅助功能</source>
        <translation>Accessibility</translation>
    </message>
    <message>
        <source>桌面辅助功能总线（AT-SPI），用于将识别的文字直接写入输入框</source>
        <translation>Ang accessibility bus ng desktop (AT-SPI), para isulat nang direkta sa mga input field ang nakilalang teksto</translation>
    </message>
    <message>
        <source>请安装 at-spi2-core 并在系统设置中开启辅助功能，然后重新登录</source>
        <translation>I-install ang at-spi2-core, buksan ang accessibility sa mga setting ng system, saka mag-login muli</translation>
    </message>
    <message>
        <source>X11 会话</source>
        <translation>X11 session</translation>
    </message>
    <message>
        <source>全局快捷键、模拟按键、输入监听和截图需要 X11 会话</source>
        <translation>Kailangan ng X11 session para sa mga global shortcut, ginayang key, pagbabantay ng input at screenshot</translation>
    </message>
    <message>
        <source>请在登录界面选择 X11（Xorg）会话</source>
        <translation>Piliin ang X11 (Xorg) session sa login screen</translation>
    </message>
    <message>
        <source>受限</source>
        <translation>Limitado</translation>
    </message>
    <message>
        <source>Wayland 会话中，模拟按键、全局快捷键、输入监听和截图只对 XWayland 窗口有效，对原生 Wayland 窗口无效；如需全部功能，请在登录界面选择 X11（Xorg）会话</source>
        <translation>Sa Wayland session, gumagana lang ang mga ginayang key, global shortcut, pagbabantay ng input at screenshot sa mga XWayland window, hindi sa mga native na Wayland window; para sa lahat ng function, piliin ang X11 (Xorg) session sa login screen</translation>
    </message>
    <message>
        <source>已授权</source>
        <translation>Pinahintulutan</translation>
    </message>
    <message>
        <source>未授权</source>
        <translation>Hindi pinahintulutan</translation>
    </message>
    <message>
        <source>未检测到接收器</source>
        <translation>Walang nakitang receiver</translation>
    </message>
    <message>
        <source>检测中</source>
        <translation>Sinusuri</translation>
    </message>
    <message>
        <source>复制命令</source>
        <translation>Kopyahin</translation>
    </message>
    <message>
        <source>已复制</source>
        <translation>Nakopya</translation>
    </message>
    <message>
        <source>重新检测</source>
        <translation>Suriin muli</translation>
    </message>
    <message>
        <source>辅助设置</source>
        <translation>Karagdagang setting</translation>
    </message>
    <message>
        <source>部分设置无法读取，已恢复为默认值</source>
        <translation>Hindi nabasa ang ilang setting at ibinalik sa default</translation>
    </message>
    <message>
        <source>原设置文件已另存为：</source>
        <translation>Itinabi ang orihinal na file ng setting bilang: </translation>
    </message>
    <message>
        <source>录音失败，请检查麦克风</source>
        <translation>Nabigo ang pagre-record, pakisuri ang mikropono</translation>
    </message>
    <message>
        <source>点击太快了</source>
        <translation>Masyadong mabilis ang pagpindot</translation>
    </message>
    <message>
        <source>请说话...</source>
        <translation>Magsalita po...</translation>
    </message>
    <message>
        <source>没有听到您说话，请按语音键重说</source>
        <translation>Walang narinig na boses. Pindutin ang voice key at magsalita muli</translation>
    </message>
    <message>
        <source>切换到打字模式</source>
        <translation>Lumipat sa typing mode</translation>
    </message>
    <message>
        <source>切换到翻译模式</source>
        <translation>Lumipat sa translation mode</translation>
    </message>
    <message>
        <source>连接服务器失败,请检查网络</source>
        <translation>Hindi makakonekta sa server, pakisuri ang network</translation>
    </message>
    <message>
        <source>读取音频文件失败</source>
        <translation>Hindi mabasa ang audio file</translation>
    </message>
    <message>
        <source>无法播放回答中的音频</source>
        <translation>Hindi ma-play ang audio ng sagot</translation>
    </message>
    <message>
        <source>粘贴失败</source>
        <translation>Hindi na-paste</translation>
    </message>
    <message>
        <source>翻译失败</source>
        <translation>Nabigo ang pagsasalin</translation>
    </message>
    <message>
        <source>无法朗读：没有语音引擎或声音输出设备</source>
        <translation>Hindi mabasa nang malakas: walang speech engine o sound output device</translation>
    </message>
    <message>
        <source>无法播放音频</source>
        <translation>Hindi ma-play ang audio</translation>
    </message>
    <message>
        <source>无法打开浏览器</source>
        <translation>Hindi mabuksan ang browser</translation>
    </message>
    <message>
        <source>未获取到选中的文字</source>
        <translation>Walang nakuhang napiling teksto</translation>
    </message>
    <message>
        <source>复制成功</source>
        <translation>Nakopya</translation>
    </message>
    <message>
        <source>复制失败</source>
        <translation>Hindi nakopya</translation>
    </message>
    <message>
        <source>识别结果</source>
        <translation>Resulta ng pagkilala</translation>
    </message>
    <message>
        <source>划词翻译</source>
        <translation>Isalin ang napili</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>Shortcut</translation>
    </message>
    <message>
        <source>截图翻译</source>
        <translation>Pagsasalin ng screenshot</translation>
    </message>
    <message>
        <source>截图快捷键已被其他程序占用</source>
        <translation>Ginagamit ng ibang programa ang shortcut ng screenshot</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Hindi na-save</translation>
    </message>
    <message>
        <source>截图失败</source>
        <translation>Hindi nakuha ang screenshot</translation>
    </message>
    <message>
        <source>AI窗口无法打开</source>
        <translation>Hindi mabuksan ang AI window</translation>
    </message>
    <message>
        <source>设备未连接</source>
        <translation>Hindi nakakonekta ang device</translation>
    </message>
    <message>
        <source>打开失败</source>
        <translation>Hindi mabuksan</translation>
    </message>
    <message>
        <source>已下载%1%</source>
        <translation>Na-download %1%</translation>
    </message>
    <message>
        <source>下载完成</source>
        <translation>Tapos na ang pag-download</translation>
    </message>
    <message>
        <source>导出完成</source>
        <translation>Tapos na ang pag-export</translation>
    </message>
    <message>
        <source>下载失败，error=%1</source>
        <translation>Nabigo ang pag-download, error=%1</translation>
    </message>
    <message>
        <source>导出失败，error=%1</source>
        <translation>Nabigo ang pag-export, error=%1</translation>
    </message>
    <message>
        <source>Esc 键已被其他程序占用，请切换模式结束画笔</source>
        <translation>Ginagamit ng ibang programa ang Esc; palitan ang mode para tapusin ang panulat</translation>
    </message>
    <message>
        <source>无法读取屏幕画面</source>
        <translation>Hindi mabasa ang screen</translation>
    </message>
    <message>
        <source>硬激光</source>
        <translation>Hard laser</translation>
    </message>
    <message>
        <source>突出显示</source>
        <translation>I-highlight</translation>
    </message>
    <message>
        <source>数码光点</source>
        <translation>Digital na tuldok ng ilaw</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>Magnifier</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>Panulat</translation>
    </message>
    <message>
        <source>切换到投屏模式</source>
        <translation>Lumipat sa screen-casting mode</translation>
    </message>
</context>
</TS>

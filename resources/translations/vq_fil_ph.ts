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
        <source>Esc 键已被其他程序占用，请点击效果后按 Esc 退出</source>
        <translation>Ginagamit ng ibang programa ang Esc; i-click ang epekto, saka pindutin ang Esc para umalis</translation>
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
    <message>
        <source>倒计时和警告</source>
        <translation>Countdown at babala</translation>
    </message>
    <message>
        <source>15分钟</source>
        <translation>15 minuto</translation>
    </message>
    <message>
        <source>30分钟</source>
        <translation>30 minuto</translation>
    </message>
    <message>
        <source>60分钟</source>
        <translation>60 minuto</translation>
    </message>
    <message>
        <source>自定义倒计时长</source>
        <translation>Sariling haba (minuto)</translation>
    </message>
    <message>
        <source>语音键功能</source>
        <translation>Gamit ng voice key</translation>
    </message>
    <message>
        <source>麦克风</source>
        <translation>Mikropono</translation>
    </message>
    <message>
        <source>语音打字</source>
        <translation>Pag-type gamit ang boses</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Pagsasalin gamit ang boses</translation>
    </message>
    <message>
        <source>语音搜索</source>
        <translation>Paghahanap gamit ang boses</translation>
    </message>
    <message>
        <source>切换到麦克风模式</source>
        <translation>Lumipat sa mode ng mikropono</translation>
    </message>
    <message>
        <source>切换到搜索模式</source>
        <translation>Lumipat sa mode ng paghahanap</translation>
    </message>
    <message>
        <source>输入设置</source>
        <translation>Mga setting ng input</translation>
    </message>
    <message>
        <source>识别带标点</source>
        <translation>Kilalanin na may bantas</translation>
    </message>
    <message>
        <source>打字兼容模式</source>
        <translation>Compatible na typing mode</translation>
    </message>
    <message>
        <source>长语音识别</source>
        <translation>Pagkilala sa mahabang pananalita</translation>
    </message>
    <message>
        <source>输入语种</source>
        <translation>Wika ng input</translation>
    </message>
    <message>
        <source>语音打字快捷键</source>
        <translation>Shortcut ng voice typing</translation>
    </message>
    <message>
        <source>语音翻译快捷键</source>
        <translation>Shortcut ng voice translation</translation>
    </message>
    <message>
        <source>语音搜索快捷键</source>
        <translation>Shortcut ng voice search</translation>
    </message>
    <message>
        <source>翻译设置</source>
        <translation>Mga setting ng pagsasalin</translation>
    </message>
    <message>
        <source>翻译语种</source>
        <translation>Mga wika ng pagsasalin</translation>
    </message>
    <message>
        <source>语音搜索引擎</source>
        <translation>Search engine ng voice search</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Bumalik</translation>
    </message>
    <message>
        <source>手机号/邮箱</source>
        <translation>Telepono/email</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>信息不能为空</source>
        <translation>Hindi puwedeng walang laman ang impormasyon</translation>
    </message>
    <message>
        <source>请填写手机号/邮箱</source>
        <translation>Pakilagay ang numero ng telepono o email</translation>
    </message>
    <message>
        <source>请填写密码</source>
        <translation>Pakilagay ang password</translation>
    </message>
    <message>
        <source>记住密码</source>
        <translation>Tandaan ang password</translation>
    </message>
    <message>
        <source>忘记密码</source>
        <translation>Nakalimutan ang password</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>Mag-log in</translation>
    </message>
    <message>
        <source>注册</source>
        <translation>Magparehistro</translation>
    </message>
    <message>
        <source>登录成功</source>
        <translation>Naka-log in na</translation>
    </message>
    <message>
        <source>登录失败</source>
        <translation>Hindi naka-log in</translation>
    </message>
    <message>
        <source>验证码</source>
        <translation>Verification code</translation>
    </message>
    <message>
        <source>再次输入密码</source>
        <translation>Ilagay muli ang password</translation>
    </message>
    <message>
        <source>我已阅读并同意&lt;&lt;Corvane隐私政策&gt;&gt;及&lt;&lt;Corvane用户服务协议&gt;&gt;</source>
        <translation>Nabasa ko at sumasang-ayon ako sa &lt;&lt;Patakaran sa Privacy ng Corvane&gt;&gt; at sa &lt;&lt;Kasunduan sa Serbisyo ng User ng Corvane&gt;&gt;</translation>
    </message>
    <message>
        <source>请先阅读并同意&lt;&lt;Corvane隐私政策&gt;&gt;及&lt;&lt;Corvane用户服务协议&gt;&gt;</source>
        <translation>Pakibasa at sumang-ayon muna sa &lt;&lt;Patakaran sa Privacy ng Corvane&gt;&gt; at sa &lt;&lt;Kasunduan sa Serbisyo ng User ng Corvane&gt;&gt;</translation>
    </message>
    <message>
        <source>请填写验证码</source>
        <translation>Pakilagay ang verification code</translation>
    </message>
    <message>
        <source>请填写确认密码</source>
        <translation>Pakikumpirma ang password</translation>
    </message>
    <message>
        <source>两次输入密码不一致</source>
        <translation>Hindi magkatugma ang dalawang password</translation>
    </message>
    <message>
        <source>获取验证码失败</source>
        <translation>Hindi nakakuha ng verification code</translation>
    </message>
    <message>
        <source>注册失败</source>
        <translation>Hindi nakapagparehistro</translation>
    </message>
    <message>
        <source>找回秘密</source>
        <translation>I-reset ang password</translation>
    </message>
    <message>
        <source>修改密码成功</source>
        <translation>Napalitan ang password</translation>
    </message>
    <message>
        <source>修改密码失败</source>
        <translation>Hindi napalitan ang password</translation>
    </message>
    <message>
        <source>发送验证码</source>
        <translation>Ipadala ang code</translation>
    </message>
    <message>
        <source>s后重新获取</source>
        <translation>s bago muling ipadala</translation>
    </message>
    <message>
        <source>请先登录</source>
        <translation>Mag-log in muna</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Lokasyon</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>Ipadala</translation>
    </message>
    <message>
        <source>请输入内容</source>
        <translation>I-type ang iyong tanong</translation>
    </message>
    <message>
        <source>正在生成中。。。</source>
        <translation>Ginagawa…</translation>
    </message>
    <message>
        <source>充值</source>
        <translation>Mag-recharge</translation>
    </message>
    <message>
        <source>到期时间</source>
        <translation>Mag-e-expire</translation>
    </message>
    <message>
        <source>获取用户信息失败</source>
        <translation>Hindi nakuha ang impormasyon ng user</translation>
    </message>
    <message>
        <source>指令词</source>
        <translation>Mga command word</translation>
    </message>
    <message>
        <source>热词</source>
        <translation>Mga hot word</translation>
    </message>
    <message>
        <source>添加指令</source>
        <translation>Magdagdag ng command</translation>
    </message>
    <message>
        <source>确定要删除语音指令‘%1’？</source>
        <translation>Burahin ang voice command na "%1"?</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Kanselahin</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>删除后该语音指令将失效！</source>
        <translation>Hindi na gagana ang voice command kapag binura!</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>Nabigo ang pagbura</translation>
    </message>
    <message>
        <source>点击此处添加热词,每行一个</source>
        <translation>I-click dito para magdagdag ng hot word, isa bawat linya</translation>
    </message>
    <message>
        <source>创建</source>
        <translation>Gumawa</translation>
    </message>
    <message>
        <source>创建失败</source>
        <translation>Nabigo ang paggawa</translation>
    </message>
    <message>
        <source>添加个性化指令</source>
        <translation>Magdagdag ng sariling command</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Uri</translation>
    </message>
    <message>
        <source>执行路径</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>I-save</translation>
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
        <translation>Nakapirming teksto</translation>
    </message>
    <message>
        <source>请填写完整后再创建</source>
        <translation>Kumpletuhin muna bago gumawa</translation>
    </message>
    <message>
        <source>指令词已存在</source>
        <translation>Mayroon nang ganitong command word</translation>
    </message>
    <message>
        <source>文件或文件夹不存在</source>
        <translation>Hindi makita ang file o folder</translation>
    </message>
    <message>
        <source>请重新填写完整后再创建</source>
        <translation>Punan muli nang buo bago gumawa</translation>
    </message>
    <message>
        <source>编辑失败</source>
        <translation>Nabigo ang pag-edit</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Buksan</translation>
    </message>
    <message>
        <source>请输入音频路径…</source>
        <translation>Ilagay ang path ng audio file…</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Mag-browse</translation>
    </message>
    <message>
        <source>默认存储路径为</source>
        <translation>Default na lokasyon ng pag-save: </translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Mga Dokumento</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>I-save bilang</translation>
    </message>
    <message>
        <source>开始转写</source>
        <translation>Simulan ang transkripsyon</translation>
    </message>
    <message>
        <source>正在转写,请稍后...</source>
        <translation>Nagta-transcribe, pakihintay...</translation>
    </message>
    <message>
        <source>模式选择</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Naka-off</translation>
    </message>
    <message>
        <source>常亮</source>
        <translation>Tuloy-tuloy</translation>
    </message>
    <message>
        <source>呼吸</source>
        <translation>Paghinga</translation>
    </message>
    <message>
        <source>跑马灯</source>
        <translation>Marquee</translation>
    </message>
    <message>
        <source>速度等级</source>
        <translation>Bilis</translation>
    </message>
    <message>
        <source>亮度调节</source>
        <translation>Liwanag</translation>
    </message>
    <message>
        <source>颜色选择</source>
        <translation>Kulay</translation>
    </message>
    <message>
        <source>低</source>
        <translation>Mababa</translation>
    </message>
    <message>
        <source>高</source>
        <translation>Mataas</translation>
    </message>
    <message>
        <source>暗</source>
        <translation>Madilim</translation>
    </message>
    <message>
        <source>亮</source>
        <translation>Maliwanag</translation>
    </message>
    <message>
        <source>使用习惯</source>
        <translation>Kamay</translation>
    </message>
    <message>
        <source>左手</source>
        <translation>Kaliwang kamay</translation>
    </message>
    <message>
        <source>右手</source>
        <translation>Kanang kamay</translation>
    </message>
    <message>
        <source>低电提醒设置</source>
        <translation>Paalala sa mahinang baterya</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>我的设备</source>
        <translation>Aking device</translation>
    </message>
    <message>
        <source>自动删除录音</source>
        <translation>Awtomatikong burahin ang mga recording</translation>
    </message>
    <message>
        <source>录音过程中指示灯熄灭</source>
        <translation>Patayin ang ilaw habang nagre-record</translation>
    </message>
    <message>
        <source>电量:</source>
        <translation>Baterya:</translation>
    </message>
    <message>
        <source>固件版本:</source>
        <translation>Firmware:</translation>
    </message>
    <message>
        <source>版本</source>
        <translation>Bersyon </translation>
    </message>
    <message>
        <source>设备序列号:</source>
        <translation>Serial number:</translation>
    </message>
    <message>
        <source>关于AI鼠标</source>
        <translation>Tungkol sa AI Mouse</translation>
    </message>
    <message>
        <source>软件版本：</source>
        <translation>Bersyon ng software:</translation>
    </message>
    <message>
        <source>固件版本：</source>
        <translation>Bersyon ng firmware:</translation>
    </message>
    <message>
        <source>版本说明</source>
        <translation>Mga tala ng bersyon </translation>
    </message>
    <message>
        <source>语音打字，语音翻译，语音搜索，语音控制
划词翻译，截图识别，截图翻译，按键宏定义</source>
        <translation>Voice typing, voice translation, voice search, voice control
Pagsasalin ng salita, pagkilala sa screenshot, pagsasalin ng screenshot, key macros</translation>
    </message>
    <message>
        <source>升级设备固件</source>
        <translation>I-update ang device</translation>
    </message>
    <message>
        <source>升级接收器固件</source>
        <translation>I-update ang receiver</translation>
    </message>
    <message>
        <source>取消升级</source>
        <translation>Kanselahin ang update</translation>
    </message>
    <message>
        <source>升级后如果连接不上请重新配对</source>
        <translation>Kung hindi kumonekta ang device pagkatapos ng update, i-pair itong muli</translation>
    </message>
    <message>
        <source>当前是最新版本</source>
        <translation>Nasa pinakabagong bersyon ka</translation>
    </message>
    <message>
        <source>升级失败</source>
        <translation>Nabigo ang update</translation>
    </message>
    <message>
        <source>升级取消</source>
        <translation>Kinansela ang update</translation>
    </message>
    <message>
        <source>固件升级中，退出将中断升级。</source>
        <translation>May tumatakbong firmware update. Ititigil ito kapag umalis.</translation>
    </message>
    <message>
        <source>继续升级</source>
        <translation>Ituloy ang update</translation>
    </message>
    <message>
        <source>取消升级并退出</source>
        <translation>Kanselahin at umalis</translation>
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
        <translation>Suriin ngayon</translation>
    </message>
    <message>
        <source>重置驱动</source>
        <translation>I-reset ang driver</translation>
    </message>
    <message>
        <source>当前设备和环境一切正常,请放心使用,如有问题请联系客服</source>
        <translation>Maayos ang iyong device at kapaligiran. Kung may problema, makipag-ugnayan sa customer service</translation>
    </message>
    <message>
        <source>当前设备和环境异常,如有问题请联系客服</source>
        <translation>May problema sa iyong device o kapaligiran. Kung may problema, makipag-ugnayan sa customer service</translation>
    </message>
    <message>
        <source>转写音频</source>
        <translation>I-transcribe ang audio</translation>
    </message>
    <message>
        <source>转写记录</source>
        <translation>Mga transcription</translation>
    </message>
    <message>
        <source>个人词库</source>
        <translation>Aking bokabularyo</translation>
    </message>
    <message>
        <source>充值记录</source>
        <translation>Kasaysayan ng top-up</translation>
    </message>
    <message>
        <source>昵称</source>
        <translation>Palayaw</translation>
    </message>
    <message>
        <source>修改密码</source>
        <translation>Palitan ang password</translation>
    </message>
    <message>
        <source>可用时长(分钟):</source>
        <translation>Natitirang minuto:</translation>
    </message>
    <message>
        <source>请输入原始密码</source>
        <translation>Ilagay ang kasalukuyang password</translation>
    </message>
    <message>
        <source>请输入新密码</source>
        <translation>Ilagay ang bagong password</translation>
    </message>
    <message>
        <source>请再次输入新密码</source>
        <translation>Ulitin ang bagong password</translation>
    </message>
    <message>
        <source>验证码登录</source>
        <translation>Mag-sign in gamit ang code</translation>
    </message>
    <message>
        <source>密码登录</source>
        <translation>Mag-sign in gamit ang password</translation>
    </message>
    <message>
        <source>手机号</source>
        <translation>Numero ng telepono</translation>
    </message>
    <message>
        <source>请输入手机号</source>
        <translation>Ilagay ang numero ng telepono</translation>
    </message>
    <message>
        <source>获取验证码</source>
        <translation>Kunin ang code</translation>
    </message>
    <message>
        <source>请输入验证码</source>
        <translation>Ilagay ang code</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>Ilagay ang password</translation>
    </message>
    <message>
        <source>扫一扫</source>
        <translation>I-scan</translation>
    </message>
    <message>
        <source>立即登录</source>
        <translation>para mag-sign in</translation>
    </message>
    <message>
        <source>进入AI智能创作</source>
        <translation>Pumasok sa AI creation</translation>
    </message>
    <message>
        <source>重置按键功能</source>
        <translation>I-reset ang mga function ng key</translation>
    </message>
    <message>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <source>设置无法保存，更改将在下次启动时丢失</source>
        <translation>Hindi ma-save ang mga setting; mawawala ang mga pagbabago sa susunod na pagbukas</translation>
    </message>
    <message>
        <source>无法写入：</source>
        <translation>Hindi maisulat: </translation>
    </message>
    <message>
        <source>语音指令数据库被其他程序占用，指令稍后保存</source>
        <translation>Ginagamit ng ibang programa ang database ng mga voice command; ise-save ang mga command mamaya</translation>
    </message>
    <message>
        <source>语音指令数据库已损坏，已重新创建</source>
        <translation>Sira ang database ng mga voice command at ginawa itong muli</translation>
    </message>
    <message>
        <source>原文件已另存为：</source>
        <translation>Itinabi ang lumang file bilang: </translation>
    </message>
    <message>
        <source>正在识别…</source>
        <translation>Kinikilala…</translation>
    </message>
    <message>
        <source>找不到可用的主文件夹，设置和记录都不会保存</source>
        <translation>Walang magagamit na home folder: hindi mase-save ang mga setting at log</translation>
    </message>
    <message>
        <source>以root身份运行时无法打开AI窗口</source>
        <translation>Hindi mabubuksan ang AI window habang tumatakbo bilang root</translation>
    </message>
    <message>
        <source>未能记住密码：没有可用的密钥环服务</source>
        <translation>Hindi natandaan ang password: walang available na keyring service</translation>
    </message>
    <message>
        <source>未能记住密码：密钥环未能保存</source>
        <translation>Hindi natandaan ang password: hindi ito na-save ng keyring</translation>
    </message>
    <message>
        <source>固件下载失败，将在下次检查时重试</source>
        <translation>Nabigo ang pag-download ng firmware; susubukan itong muli sa susunod na pagsusuri</translation>
    </message>
    <message>
        <source>没有朗读这种语言的语音，已用默认语音朗读</source>
        <translation>Walang boses para sa wikang ito; ang default na boses ang bumasa</translation>
    </message>
    <message>
        <source>原设置文件无法另存，无法读取的设置暂时保留在：</source>
        <translation>Hindi makopya ang orihinal na file ng setting; nananatili muna ang mga hindi mabasang setting sa: </translation>
    </message>
    <message>
        <source>语音指令数据库无法使用，指令只保存在本次运行中</source>
        <translation>Hindi magamit ang database ng mga voice command; ang mga command ay itatago lamang sa session na ito</translation>
    </message>
    <message>
        <source>数据库文件保持原样。原因：</source>
        <translation>Hindi ginalaw ang file ng database. Dahilan: </translation>
    </message>
    <message>
        <source>按键功能未能加载，将在下次连接设备或打开本页时重新获取</source>
        <translation>Hindi ma-load ang mga function ng mga button; kukunin muli ang mga ito sa susunod na pagkonekta ng device o pagbukas ng pahinang ito</translation>
    </message>
    <message>
        <source>未识别到文字</source>
        <translation>Walang nakilalang teksto</translation>
    </message>
    <message>
        <source>关于智笔</source>
        <translation>Tungkol sa smart pen</translation>
    </message>
    <message>
        <source>SN:%1         软件版本： %2         固件版本： %3(%4)</source>
        <translation>SN: %1         Bersyon ng software: %2         Bersyon ng firmware: %3(%4)</translation>
    </message>
    <message>
        <source>升级成功</source>
        <translation>Matagumpay ang update</translation>
    </message>
    <message>
        <source>+添加指令</source>
        <translation>+ Magdagdag ng command</translation>
    </message>
    <message>
        <source>到期时间:%1</source>
        <translation>Mag-e-expire: %1</translation>
    </message>
    <message>
        <source>&lt; 返回</source>
        <translation>&lt; Bumalik</translation>
    </message>
    <message>
        <source>该设备的AI对话页面暂未开放，您的问题会先保存在这里，请检查网络</source>
        <translation>Hindi pa available ang AI chat page ng device na ito. Nakatago rito ang iyong mga tanong; pakisuri ang iyong network.</translation>
    </message>
    <message>
        <source>该设备的AI对话页面暂未开放，您的问题会先保存在这里，请连接设备并检查网络</source>
        <translation>Hindi pa available ang AI chat page ng device na ito. Nakatago rito ang iyong mga tanong; ikonekta ang device at suriin ang iyong network.</translation>
    </message>
    <message>
        <source>AI助手</source>
        <translation>AI helper</translation>
    </message>
    <message>
        <source>AI智能写作</source>
        <translation>Pagsusulat gamit ang AI</translation>
    </message>
    <message>
        <source>PPT</source>
        <translation>PPT</translation>
    </message>
    <message>
        <source>录音失败</source>
        <translation>Nabigo ang pagre-record</translation>
    </message>
    <message>
        <source>语音识别出错</source>
        <translation>Nabigo ang pagkilala sa boses</translation>
    </message>
    <message>
        <source>固件文件无效，此版本不再下载</source>
        <translation>Hindi wasto ang file ng firmware; hindi na muling ida-download ang bersyong ito</translation>
    </message>
    <message>
        <source>程序已在您的另一个会话中运行。请在那里使用，或先在那里退出。</source>
        <translation>Tumatakbo na ang program sa isa pa ninyong session. Gamitin ito roon, o isara muna ito roon.</translation>
    </message>
    <message>
        <source>程序已在运行，但没有响应。请结束它后再重新启动。</source>
        <translation>Tumatakbo na ang program pero hindi tumutugon. Isara ito, saka simulan muli.</translation>
    </message>
</context>
</TS>

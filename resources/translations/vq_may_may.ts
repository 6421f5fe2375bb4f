<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ms_MY" sourcelanguage="zh_CN">
<context>
    <name>QRNLocalizedString</name>
    <message>
        <source>分</source>
        <translation>min</translation>
    </message>
    <message>
        <source>小时</source>
        <translation>j</translation>
    </message>
    <message>
        <source>百度</source>
        <translation>Baidu</translation>
    </message>
    <message>
        <source>知道了</source>
        <translation>Faham</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>s</translation>
    </message>
    <message>
        <source>系统错误</source>
        <translation>Ralat sistem</translation>
    </message>
    <message>
        <source>自动检测</source>
        <translation>Kesan automatik</translation>
    </message>
    <message>
        <source>请检查网络</source>
        <translation>Sila semak rangkaian anda</translation>
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
        <translation>Tetapan tetikus</translation>
    </message>
    <message>
        <source>智能设置</source>
        <translation>Tetapan pintar</translation>
    </message>
    <message>
        <source>软件设置</source>
        <translation>Tetapan perisian</translation>
    </message>
    <message>
        <source>个性化设置</source>
        <translation>Pemperibadian</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Keutamaan</translation>
    </message>
    <message>
        <source>智笔设置</source>
        <translation>Tetapan pen pintar</translation>
    </message>
    <message>
        <source>打开主界面</source>
        <translation>Buka tetingkap utama</translation>
    </message>
    <message>
        <source>使用引导</source>
        <translation>Panduan permulaan</translation>
    </message>
    <message>
        <source>权限设置</source>
        <translation>Kebenaran</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Keluar</translation>
    </message>
    <message>
        <source>未检测到设备</source>
        <translation>Tiada peranti dikesan</translation>
    </message>
    <message>
        <source>请将接收器插入电脑的USB接口，或通过蓝牙连接鼠标</source>
        <translation>Pasangkan penerima pada port USB komputer, atau sambungkan tetikus melalui Bluetooth</translation>
    </message>
    <message>
        <source>设备连接后将自动打开设置界面</source>
        <translation>Tetapan akan dibuka sendiri setelah peranti disambungkan</translation>
    </message>
    <message>
        <source>电量低，请充电</source>
        <translation>Bateri lemah, sila cas</translation>
    </message>
    <message>
        <source>界面语言</source>
        <translation>Bahasa antara muka</translation>
    </message>
    <message>
        <source>开机自启动</source>
        <translation>Mula semasa log masuk</translation>
    </message>
    <message>
        <source>设置失败</source>
        <translation>Tetapan gagal</translation>
    </message>
    <message>
        <source>以下各项决定哪些功能可以使用</source>
        <translation>Perkara berikut menentukan ciri yang boleh digunakan</translation>
    </message>
    <message>
        <source>设备访问</source>
        <translation>Akses peranti</translation>
    </message>
    <message>
        <source>读写接收器的 HID 设备节点，用于连接设备、接收按键和语音</source>
        <translation>Membaca dan menulis nod peranti HID penerima untuk menyambung peranti serta menerima kekunci dan suara</translation>
    </message>
    <message>
        <source>安装随程序提供的 udev 规则，然后重新插入接收器：</source>
        <translation>Pasang peraturan udev yang disertakan bersama program, kemudian pasang semula penerima:</translation>
    </message>
    <message>
        <source>辅助功能</source>
        <translation>Kebolehcapaian</translation>
    </message>
    <message>
        <source>桌面辅助功能总线（AT-SPI），用于将识别的文字直接写入输入框</source>
        <translation>Bas kebolehcapaian desktop (AT-SPI), untuk menulis teks yang dikenal pasti terus ke medan input</translation>
    </message>
    <message>
        <source>请安装 at-spi2-core 并在系统设置中开启辅助功能，然后重新登录</source>
        <translation>Pasang at-spi2-core, hidupkan kebolehcapaian dalam tetapan sistem, kemudian log masuk semula</translation>
    </message>
    <message>
        <source>X11 会话</source>
        <translation>Sesi X11</translation>
    </message>
    <message>
        <source>全局快捷键、模拟按键、输入监听和截图需要 X11 会话</source>
        <translation>Pintasan global, kekunci simulasi, pemantauan input dan tangkapan skrin memerlukan sesi X11</translation>
    </message>
    <message>
        <source>请在登录界面选择 X11（Xorg）会话</source>
        <translation>Pilih sesi X11 (Xorg) pada skrin log masuk</translation>
    </message>
    <message>
        <source>受限</source>
        <translation>Terhad</translation>
    </message>
    <message>
        <source>Wayland 会话中，模拟按键、全局快捷键、输入监听和截图只对 XWayland 窗口有效，对原生 Wayland 窗口无效；如需全部功能，请在登录界面选择 X11（Xorg）会话</source>
        <translation>Dalam sesi Wayland, kekunci simulasi, pintasan global, pemantauan input dan tangkapan skrin hanya berfungsi pada tetingkap XWayland, bukan pada tetingkap Wayland asli; untuk semua fungsi, pilih sesi X11 (Xorg) pada skrin log masuk</translation>
    </message>
    <message>
        <source>已授权</source>
        <translation>Dibenarkan</translation>
    </message>
    <message>
        <source>未授权</source>
        <translation>Tidak dibenarkan</translation>
    </message>
    <message>
        <source>未检测到接收器</source>
        <translation>Tiada penerima ditemui</translation>
    </message>
    <message>
        <source>检测中</source>
        <translation>Sedang disemak</translation>
    </message>
    <message>
        <source>复制命令</source>
        <translation>Salin arahan</translation>
    </message>
    <message>
        <source>已复制</source>
        <translation>Disalin</translation>
    </message>
    <message>
        <source>重新检测</source>
        <translation>Semak semula</translation>
    </message>
    <message>
        <source>辅助设置</source>
        <translation>Tetapan tambahan</translation>
    </message>
    <message>
        <source>部分设置无法读取，已恢复为默认值</source>
        <translation>Sesetengah tetapan tidak dapat dibaca dan dikembalikan kepada lalai</translation>
    </message>
    <message>
        <source>原设置文件已另存为：</source>
        <translation>Fail tetapan asal disimpan sebagai: </translation>
    </message>
    <message>
        <source>录音失败，请检查麦克风</source>
        <translation>Rakaman gagal, sila semak mikrofon</translation>
    </message>
    <message>
        <source>点击太快了</source>
        <translation>Ditekan terlalu cepat</translation>
    </message>
    <message>
        <source>请说话...</source>
        <translation>Sila bercakap...</translation>
    </message>
    <message>
        <source>没有听到您说话，请按语音键重说</source>
        <translation>Tiada suara kedengaran. Tekan kekunci suara dan bercakap semula</translation>
    </message>
    <message>
        <source>切换到打字模式</source>
        <translation>Bertukar ke mod menaip</translation>
    </message>
    <message>
        <source>切换到翻译模式</source>
        <translation>Bertukar ke mod terjemahan</translation>
    </message>
    <message>
        <source>连接服务器失败,请检查网络</source>
        <translation>Gagal menyambung ke pelayan, sila semak rangkaian</translation>
    </message>
    <message>
        <source>读取音频文件失败</source>
        <translation>Fail audio tidak dapat dibaca</translation>
    </message>
    <message>
        <source>无法播放回答中的音频</source>
        <translation>Audio jawapan tidak dapat dimainkan</translation>
    </message>
    <message>
        <source>粘贴失败</source>
        <translation>Gagal menampal</translation>
    </message>
    <message>
        <source>翻译失败</source>
        <translation>Terjemahan gagal</translation>
    </message>
    <message>
        <source>无法朗读：没有语音引擎或声音输出设备</source>
        <translation>Tidak dapat membaca dengan kuat: tiada enjin pertuturan atau peranti output bunyi</translation>
    </message>
    <message>
        <source>无法播放音频</source>
        <translation>Audio tidak dapat dimainkan</translation>
    </message>
    <message>
        <source>无法打开浏览器</source>
        <translation>Tidak dapat membuka pelayar</translation>
    </message>
    <message>
        <source>未获取到选中的文字</source>
        <translation>Tiada teks terpilih diperoleh</translation>
    </message>
    <message>
        <source>复制成功</source>
        <translation>Berjaya disalin</translation>
    </message>
    <message>
        <source>复制失败</source>
        <translation>Gagal menyalin</translation>
    </message>
    <message>
        <source>识别结果</source>
        <translation>Hasil pengecaman</translation>
    </message>
    <message>
        <source>划词翻译</source>
        <translation>Terjemah pilihan</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>Pintasan</translation>
    </message>
    <message>
        <source>截图翻译</source>
        <translation>Terjemahan tangkapan skrin</translation>
    </message>
    <message>
        <source>截图快捷键已被其他程序占用</source>
        <translation>Pintasan tangkapan skrin digunakan oleh program lain</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Gagal menyimpan</translation>
    </message>
    <message>
        <source>截图失败</source>
        <translation>Gagal mengambil tangkapan skrin</translation>
    </message>
    <message>
        <source>AI窗口无法打开</source>
        <translation>Tetingkap AI tidak dapat dibuka</translation>
    </message>
    <message>
        <source>设备未连接</source>
        <translation>Peranti tidak disambungkan</translation>
    </message>
    <message>
        <source>打开失败</source>
        <translation>Gagal membuka</translation>
    </message>
    <message>
        <source>已下载%1%</source>
        <translation>Dimuat turun %1%</translation>
    </message>
    <message>
        <source>下载完成</source>
        <translation>Muat turun selesai</translation>
    </message>
    <message>
        <source>导出完成</source>
        <translation>Eksport selesai</translation>
    </message>
    <message>
        <source>下载失败，error=%1</source>
        <translation>Muat turun gagal, error=%1</translation>
    </message>
    <message>
        <source>导出失败，error=%1</source>
        <translation>Eksport gagal, error=%1</translation>
    </message>
    <message>
        <source>Esc 键已被其他程序占用，请点击效果后按 Esc 退出</source>
        <translation>Esc sedang digunakan oleh program lain; klik kesan itu, kemudian tekan Esc untuk keluar</translation>
    </message>
    <message>
        <source>无法读取屏幕画面</source>
        <translation>Skrin tidak dapat dibaca</translation>
    </message>
    <message>
        <source>硬激光</source>
        <translation>Laser fizikal</translation>
    </message>
    <message>
        <source>突出显示</source>
        <translation>Serlah</translation>
    </message>
    <message>
        <source>数码光点</source>
        <translation>Titik cahaya digital</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>Kanta pembesar</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>Pen</translation>
    </message>
    <message>
        <source>切换到投屏模式</source>
        <translation>Bertukar ke mod pancaran skrin</translation>
    </message>
    <message>
        <source>倒计时和警告</source>
        <translation>Kira detik dan amaran</translation>
    </message>
    <message>
        <source>15分钟</source>
        <translation>15 minit</translation>
    </message>
    <message>
        <source>30分钟</source>
        <translation>30 minit</translation>
    </message>
    <message>
        <source>60分钟</source>
        <translation>60 minit</translation>
    </message>
    <message>
        <source>自定义倒计时长</source>
        <translation>Tempoh tersuai (minit)</translation>
    </message>
    <message>
        <source>语音键功能</source>
        <translation>Fungsi kekunci suara</translation>
    </message>
    <message>
        <source>麦克风</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>语音打字</source>
        <translation>Menaip dengan suara</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Terjemahan suara</translation>
    </message>
    <message>
        <source>语音搜索</source>
        <translation>Carian suara</translation>
    </message>
    <message>
        <source>切换到麦克风模式</source>
        <translation>Bertukar ke mod mikrofon</translation>
    </message>
    <message>
        <source>切换到搜索模式</source>
        <translation>Bertukar ke mod carian</translation>
    </message>
    <message>
        <source>输入设置</source>
        <translation>Tetapan input</translation>
    </message>
    <message>
        <source>识别带标点</source>
        <translation>Kenal pasti dengan tanda baca</translation>
    </message>
    <message>
        <source>打字兼容模式</source>
        <translation>Mod taip serasi</translation>
    </message>
    <message>
        <source>长语音识别</source>
        <translation>Pengecaman pertuturan panjang</translation>
    </message>
    <message>
        <source>输入语种</source>
        <translation>Bahasa input</translation>
    </message>
    <message>
        <source>语音打字快捷键</source>
        <translation>Pintasan taip suara</translation>
    </message>
    <message>
        <source>语音翻译快捷键</source>
        <translation>Pintasan terjemahan suara</translation>
    </message>
    <message>
        <source>语音搜索快捷键</source>
        <translation>Pintasan carian suara</translation>
    </message>
    <message>
        <source>翻译设置</source>
        <translation>Tetapan terjemahan</translation>
    </message>
    <message>
        <source>翻译语种</source>
        <translation>Bahasa terjemahan</translation>
    </message>
    <message>
        <source>语音搜索引擎</source>
        <translation>Enjin carian suara</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Kembali</translation>
    </message>
    <message>
        <source>手机号/邮箱</source>
        <translation>Telefon/e-mel</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Kata laluan</translation>
    </message>
    <message>
        <source>信息不能为空</source>
        <translation>Maklumat tidak boleh kosong</translation>
    </message>
    <message>
        <source>请填写手机号/邮箱</source>
        <translation>Sila masukkan nombor telefon atau e-mel anda</translation>
    </message>
    <message>
        <source>请填写密码</source>
        <translation>Sila masukkan kata laluan</translation>
    </message>
    <message>
        <source>记住密码</source>
        <translation>Ingat kata laluan</translation>
    </message>
    <message>
        <source>忘记密码</source>
        <translation>Lupa kata laluan</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>Log masuk</translation>
    </message>
    <message>
        <source>注册</source>
        <translation>Daftar</translation>
    </message>
    <message>
        <source>登录成功</source>
        <translation>Berjaya log masuk</translation>
    </message>
    <message>
        <source>登录失败</source>
        <translation>Log masuk gagal</translation>
    </message>
    <message>
        <source>验证码</source>
        <translation>Kod pengesahan</translation>
    </message>
    <message>
        <source>再次输入密码</source>
        <translation>Masukkan semula kata laluan</translation>
    </message>
    <message>
        <source>我已阅读并同意&lt;&lt;Corvane隐私政策&gt;&gt;及&lt;&lt;Corvane用户服务协议&gt;&gt;</source>
        <translation>Saya telah membaca dan bersetuju dengan &lt;&lt;Dasar Privasi Corvane&gt;&gt; dan &lt;&lt;Perjanjian Perkhidmatan Pengguna Corvane&gt;&gt;</translation>
    </message>
    <message>
        <source>请先阅读并同意&lt;&lt;Corvane隐私政策&gt;&gt;及&lt;&lt;Corvane用户服务协议&gt;&gt;</source>
        <translation>Sila baca dan bersetuju dengan &lt;&lt;Dasar Privasi Corvane&gt;&gt; dan &lt;&lt;Perjanjian Perkhidmatan Pengguna Corvane&gt;&gt; terlebih dahulu</translation>
    </message>
    <message>
        <source>请填写验证码</source>
        <translation>Sila masukkan kod pengesahan</translation>
    </message>
    <message>
        <source>请填写确认密码</source>
        <translation>Sila sahkan kata laluan</translation>
    </message>
    <message>
        <source>两次输入密码不一致</source>
        <translation>Kedua-dua kata laluan tidak sepadan</translation>
    </message>
    <message>
        <source>获取验证码失败</source>
        <translation>Gagal mendapatkan kod pengesahan</translation>
    </message>
    <message>
        <source>注册失败</source>
        <translation>Pendaftaran gagal</translation>
    </message>
    <message>
        <source>找回秘密</source>
        <translation>Tetapkan semula kata laluan</translation>
    </message>
    <message>
        <source>修改密码成功</source>
        <translation>Kata laluan telah ditukar</translation>
    </message>
    <message>
        <source>修改密码失败</source>
        <translation>Gagal menukar kata laluan</translation>
    </message>
    <message>
        <source>发送验证码</source>
        <translation>Hantar kod</translation>
    </message>
    <message>
        <source>s后重新获取</source>
        <translation>s untuk hantar semula</translation>
    </message>
    <message>
        <source>请先登录</source>
        <translation>Sila log masuk</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Lokasi</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>Hantar</translation>
    </message>
    <message>
        <source>请输入内容</source>
        <translation>Taip soalan anda</translation>
    </message>
    <message>
        <source>正在生成中。。。</source>
        <translation>Sedang dijana…</translation>
    </message>
    <message>
        <source>充值</source>
        <translation>Tambah nilai</translation>
    </message>
    <message>
        <source>到期时间</source>
        <translation>Tamat tempoh</translation>
    </message>
    <message>
        <source>获取用户信息失败</source>
        <translation>Gagal mendapatkan maklumat pengguna</translation>
    </message>
    <message>
        <source>指令词</source>
        <translation>Perkataan arahan</translation>
    </message>
    <message>
        <source>热词</source>
        <translation>Kata kunci</translation>
    </message>
    <message>
        <source>添加指令</source>
        <translation>Tambah arahan</translation>
    </message>
    <message>
        <source>确定要删除语音指令‘%1’？</source>
        <translation>Padam arahan suara "%1"?</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>删除后该语音指令将失效！</source>
        <translation>Arahan suara tidak akan berfungsi lagi selepas dipadam!</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>Gagal memadam</translation>
    </message>
    <message>
        <source>点击此处添加热词,每行一个</source>
        <translation>Klik di sini untuk menambah kata kunci, satu setiap baris</translation>
    </message>
    <message>
        <source>创建</source>
        <translation>Cipta</translation>
    </message>
    <message>
        <source>创建失败</source>
        <translation>Gagal mencipta</translation>
    </message>
    <message>
        <source>添加个性化指令</source>
        <translation>Tambah arahan tersuai</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Jenis</translation>
    </message>
    <message>
        <source>执行路径</source>
        <translation>Sasaran</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Fail</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>网页</source>
        <translation>Laman web</translation>
    </message>
    <message>
        <source>固定文本</source>
        <translation>Teks tetap</translation>
    </message>
    <message>
        <source>请填写完整后再创建</source>
        <translation>Sila lengkapkan borang sebelum mencipta</translation>
    </message>
    <message>
        <source>指令词已存在</source>
        <translation>Perkataan arahan sudah wujud</translation>
    </message>
    <message>
        <source>文件或文件夹不存在</source>
        <translation>Fail atau folder tidak ditemui</translation>
    </message>
    <message>
        <source>请重新填写完整后再创建</source>
        <translation>Sila isi semula borang sebelum mencipta</translation>
    </message>
    <message>
        <source>编辑失败</source>
        <translation>Gagal mengedit</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Buka</translation>
    </message>
    <message>
        <source>请输入音频路径…</source>
        <translation>Masukkan laluan fail audio…</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Semak imbas</translation>
    </message>
    <message>
        <source>默认存储路径为</source>
        <translation>Lokasi simpanan lalai: </translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Dokumen</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Simpan sebagai</translation>
    </message>
    <message>
        <source>开始转写</source>
        <translation>Mula transkripsi</translation>
    </message>
    <message>
        <source>正在转写,请稍后...</source>
        <translation>Sedang mentranskripsi, sila tunggu...</translation>
    </message>
    <message>
        <source>模式选择</source>
        <translation>Mod</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>常亮</source>
        <translation>Sentiasa menyala</translation>
    </message>
    <message>
        <source>呼吸</source>
        <translation>Bernafas</translation>
    </message>
    <message>
        <source>跑马灯</source>
        <translation>Berjalan</translation>
    </message>
    <message>
        <source>速度等级</source>
        <translation>Kelajuan</translation>
    </message>
    <message>
        <source>亮度调节</source>
        <translation>Kecerahan</translation>
    </message>
    <message>
        <source>颜色选择</source>
        <translation>Warna</translation>
    </message>
    <message>
        <source>低</source>
        <translation>Rendah</translation>
    </message>
    <message>
        <source>高</source>
        <translation>Tinggi</translation>
    </message>
    <message>
        <source>暗</source>
        <translation>Malap</translation>
    </message>
    <message>
        <source>亮</source>
        <translation>Terang</translation>
    </message>
    <message>
        <source>使用习惯</source>
        <translation>Tangan</translation>
    </message>
    <message>
        <source>左手</source>
        <translation>Tangan kiri</translation>
    </message>
    <message>
        <source>右手</source>
        <translation>Tangan kanan</translation>
    </message>
    <message>
        <source>低电提醒设置</source>
        <translation>Peringatan bateri lemah</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>我的设备</source>
        <translation>Peranti saya</translation>
    </message>
    <message>
        <source>自动删除录音</source>
        <translation>Padam rakaman secara automatik</translation>
    </message>
    <message>
        <source>录音过程中指示灯熄灭</source>
        <translation>Lampu penunjuk padam semasa merakam</translation>
    </message>
    <message>
        <source>电量:</source>
        <translation>Bateri:</translation>
    </message>
    <message>
        <source>固件版本:</source>
        <translation>Perisian tegar:</translation>
    </message>
    <message>
        <source>版本</source>
        <translation>Versi </translation>
    </message>
    <message>
        <source>设备序列号:</source>
        <translation>Nombor siri:</translation>
    </message>
    <message>
        <source>关于AI鼠标</source>
        <translation>Perihal Tetikus AI</translation>
    </message>
    <message>
        <source>软件版本：</source>
        <translation>Versi perisian:</translation>
    </message>
    <message>
        <source>固件版本：</source>
        <translation>Versi perisian tegar:</translation>
    </message>
    <message>
        <source>版本说明</source>
        <translation>Nota versi </translation>
    </message>
    <message>
        <source>语音打字，语音翻译，语音搜索，语音控制
划词翻译，截图识别，截图翻译，按键宏定义</source>
        <translation>Menaip suara, terjemahan suara, carian suara, kawalan suara
Terjemahan perkataan, pengecaman tangkapan skrin, terjemahan tangkapan skrin, makro kekunci</translation>
    </message>
    <message>
        <source>升级设备固件</source>
        <translation>Kemas kini peranti</translation>
    </message>
    <message>
        <source>升级接收器固件</source>
        <translation>Kemas kini penerima</translation>
    </message>
    <message>
        <source>取消升级</source>
        <translation>Batalkan kemas kini</translation>
    </message>
    <message>
        <source>升级后如果连接不上请重新配对</source>
        <translation>Jika peranti tidak bersambung selepas kemas kini, pasangkan semula</translation>
    </message>
    <message>
        <source>当前是最新版本</source>
        <translation>Anda mempunyai versi terkini</translation>
    </message>
    <message>
        <source>升级失败</source>
        <translation>Kemas kini gagal</translation>
    </message>
    <message>
        <source>升级取消</source>
        <translation>Kemas kini dibatalkan</translation>
    </message>
    <message>
        <source>固件升级中，退出将中断升级。</source>
        <translation>Kemas kini perisian tegar sedang berjalan. Keluar akan menghentikannya.</translation>
    </message>
    <message>
        <source>继续升级</source>
        <translation>Teruskan kemas kini</translation>
    </message>
    <message>
        <source>取消升级并退出</source>
        <translation>Batal dan keluar</translation>
    </message>
    <message>
        <source>鼠标</source>
        <translation>Tetikus</translation>
    </message>
    <message>
        <source>电脑</source>
        <translation>Komputer</translation>
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
        <translation>Semak sekarang</translation>
    </message>
    <message>
        <source>重置驱动</source>
        <translation>Tetapkan semula pemacu</translation>
    </message>
    <message>
        <source>当前设备和环境一切正常,请放心使用,如有问题请联系客服</source>
        <translation>Peranti dan persekitaran anda normal. Jika ada masalah, hubungi khidmat pelanggan</translation>
    </message>
    <message>
        <source>当前设备和环境异常,如有问题请联系客服</source>
        <translation>Terdapat masalah pada peranti atau persekitaran anda. Jika ada masalah, hubungi khidmat pelanggan</translation>
    </message>
    <message>
        <source>转写音频</source>
        <translation>Transkripsi audio</translation>
    </message>
    <message>
        <source>转写记录</source>
        <translation>Rekod transkripsi</translation>
    </message>
    <message>
        <source>个人词库</source>
        <translation>Perbendaharaan kata saya</translation>
    </message>
    <message>
        <source>充值记录</source>
        <translation>Sejarah tambah nilai</translation>
    </message>
    <message>
        <source>昵称</source>
        <translation>Nama samaran</translation>
    </message>
    <message>
        <source>修改密码</source>
        <translation>Tukar kata laluan</translation>
    </message>
    <message>
        <source>可用时长(分钟):</source>
        <translation>Minit berbaki:</translation>
    </message>
    <message>
        <source>请输入原始密码</source>
        <translation>Masukkan kata laluan semasa</translation>
    </message>
    <message>
        <source>请输入新密码</source>
        <translation>Masukkan kata laluan baharu</translation>
    </message>
    <message>
        <source>请再次输入新密码</source>
        <translation>Ulang kata laluan baharu</translation>
    </message>
    <message>
        <source>验证码登录</source>
        <translation>Log masuk dengan kod</translation>
    </message>
    <message>
        <source>密码登录</source>
        <translation>Log masuk dengan kata laluan</translation>
    </message>
    <message>
        <source>手机号</source>
        <translation>Nombor telefon</translation>
    </message>
    <message>
        <source>请输入手机号</source>
        <translation>Masukkan nombor telefon</translation>
    </message>
    <message>
        <source>获取验证码</source>
        <translation>Dapatkan kod</translation>
    </message>
    <message>
        <source>请输入验证码</source>
        <translation>Masukkan kod</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>Masukkan kata laluan</translation>
    </message>
    <message>
        <source>扫一扫</source>
        <translation>Imbas</translation>
    </message>
    <message>
        <source>立即登录</source>
        <translation>untuk log masuk</translation>
    </message>
    <message>
        <source>进入AI智能创作</source>
        <translation>Masuk ke penciptaan AI</translation>
    </message>
    <message>
        <source>重置按键功能</source>
        <translation>Set semula fungsi kekunci</translation>
    </message>
    <message>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <source>设置无法保存，更改将在下次启动时丢失</source>
        <translation>Tetapan tidak dapat disimpan; perubahan akan hilang pada permulaan seterusnya</translation>
    </message>
    <message>
        <source>无法写入：</source>
        <translation>Tidak dapat menulis: </translation>
    </message>
    <message>
        <source>语音指令数据库被其他程序占用，指令稍后保存</source>
        <translation>Program lain sedang menggunakan pangkalan data arahan suara; arahan akan disimpan kemudian</translation>
    </message>
    <message>
        <source>语音指令数据库已损坏，已重新创建</source>
        <translation>Pangkalan data arahan suara rosak dan telah dicipta semula</translation>
    </message>
    <message>
        <source>原文件已另存为：</source>
        <translation>Fail lama disimpan sebagai: </translation>
    </message>
    <message>
        <source>正在识别…</source>
        <translation>Mengecam…</translation>
    </message>
    <message>
        <source>找不到可用的主文件夹，设置和记录都不会保存</source>
        <translation>Tiada folder rumah yang boleh digunakan: tetapan dan log tidak akan disimpan</translation>
    </message>
    <message>
        <source>以root身份运行时无法打开AI窗口</source>
        <translation>Tetingkap AI tidak boleh dibuka semasa berjalan sebagai root</translation>
    </message>
    <message>
        <source>未能记住密码：没有可用的密钥环服务</source>
        <translation>Kata laluan tidak dapat diingati: tiada perkhidmatan keyring</translation>
    </message>
    <message>
        <source>未能记住密码：密钥环未能保存</source>
        <translation>Kata laluan tidak dapat diingati: keyring tidak menyimpannya</translation>
    </message>
    <message>
        <source>固件下载失败，将在下次检查时重试</source>
        <translation>Muat turun perisian tegar gagal; akan dicuba semula pada semakan seterusnya</translation>
    </message>
    <message>
        <source>没有朗读这种语言的语音，已用默认语音朗读</source>
        <translation>Tiada suara untuk bahasa ini; suara lalai telah membacanya</translation>
    </message>
    <message>
        <source>原设置文件无法另存，无法读取的设置暂时保留在：</source>
        <translation>Fail tetapan asal tidak dapat disalin; tetapan yang tidak dapat dibaca kekal buat sementara di: </translation>
    </message>
    <message>
        <source>语音指令数据库无法使用，指令只保存在本次运行中</source>
        <translation>Pangkalan data arahan suara tidak dapat digunakan; arahan hanya disimpan untuk sesi ini</translation>
    </message>
    <message>
        <source>数据库文件保持原样。原因：</source>
        <translation>Fail pangkalan data dibiarkan seperti sedia ada. Sebab: </translation>
    </message>
    <message>
        <source>按键功能未能加载，将在下次连接设备或打开本页时重新获取</source>
        <translation>Fungsi butang tidak dapat dimuatkan; ia akan diambil semula apabila peranti disambungkan atau halaman ini dibuka seterusnya</translation>
    </message>
    <message>
        <source>未识别到文字</source>
        <translation>Tiada teks dikenal pasti</translation>
    </message>
    <message>
        <source>关于智笔</source>
        <translation>Perihal pen pintar</translation>
    </message>
    <message>
        <source>SN:%1         软件版本： %2         固件版本： %3(%4)</source>
        <translation>No. siri: %1         Versi perisian: %2         Versi perisian tegar: %3(%4)</translation>
    </message>
    <message>
        <source>升级成功</source>
        <translation>Kemas kini berjaya</translation>
    </message>
    <message>
        <source>+添加指令</source>
        <translation>+ Tambah arahan</translation>
    </message>
    <message>
        <source>到期时间:%1</source>
        <translation>Tamat tempoh: %1</translation>
    </message>
    <message>
        <source>&lt; 返回</source>
        <translation>&lt; Kembali</translation>
    </message>
    <message>
        <source>该设备的AI对话页面暂未开放，您的问题会先保存在这里，请检查网络</source>
        <translation>Halaman sembang AI peranti ini belum tersedia. Soalan anda disimpan di sini; sila semak rangkaian anda.</translation>
    </message>
    <message>
        <source>该设备的AI对话页面暂未开放，您的问题会先保存在这里，请连接设备并检查网络</source>
        <translation>Halaman sembang AI peranti ini belum tersedia. Soalan anda disimpan di sini; sila sambungkan peranti dan semak rangkaian anda.</translation>
    </message>
    <message>
        <source>AI助手</source>
        <translation>Pembantu AI</translation>
    </message>
    <message>
        <source>AI智能写作</source>
        <translation>Penulisan AI</translation>
    </message>
    <message>
        <source>PPT</source>
        <translation>PPT</translation>
    </message>
    <message>
        <source>录音失败</source>
        <translation>Rakaman gagal</translation>
    </message>
    <message>
        <source>语音识别出错</source>
        <translation>Pengecaman suara gagal</translation>
    </message>
    <message>
        <source>固件文件无效，此版本不再下载</source>
        <translation>Fail perisian tegar tidak sah; versi ini tidak akan dimuat turun lagi</translation>
    </message>
    <message>
        <source>程序已在您的另一个会话中运行。请在那里使用，或先在那里退出。</source>
        <translation>Program sudah berjalan dalam sesi anda yang lain. Gunakannya di sana, atau keluar daripadanya di sana dahulu.</translation>
    </message>
    <message>
        <source>程序已在运行，但没有响应。请结束它后再重新启动。</source>
        <translation>Program sudah berjalan tetapi tidak bertindak balas. Tamatkannya, kemudian mulakan semula.</translation>
    </message>
</context>
</TS>

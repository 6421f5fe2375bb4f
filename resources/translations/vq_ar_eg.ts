<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG" sourcelanguage="zh_CN">
<context>
    <name>QRNLocalizedString</name>
    <message>
        <source>分</source>
        <translation>د</translation>
    </message>
    <message>
        <source>小时</source>
        <translation>س</translation>
    </message>
    <message>
        <source>百度</source>
        <translation>Baidu</translation>
    </message>
    <message>
        <source>知道了</source>
        <translation>حسنًا</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>ث</translation>
    </message>
    <message>
        <source>系统错误</source>
        <translation>خطأ في النظام</translation>
    </message>
    <message>
        <source>自动检测</source>
        <translation>اكتشاف تلقائي</translation>
    </message>
    <message>
        <source>请检查网络</source>
        <translation>يرجى التحقق من الشبكة</translation>
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
        <translation>إعدادات الماوس</translation>
    </message>
    <message>
        <source>智能设置</source>
        <translation>الإعدادات الذكية</translation>
    </message>
    <message>
        <source>软件设置</source>
        <translation>إعدادات البرنامج</translation>
    </message>
    <message>
        <source>个性化设置</source>
        <translation>التخصيص</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>التفضيلات</translation>
    </message>
    <message>
        <source>智笔设置</source>
        <translation>إعدادات القلم الذكي</translation>
    </message>
    <message>
        <source>打开主界面</source>
        <translation>فتح النافذة الرئيسية</translation>
    </message>
    <message>
        <source>使用引导</source>
        <translation>دليل الاستخدام</translation>
    </message>
    <message>
        <source>权限设置</source>
        <translation>الأذونات</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>未检测到设备</source>
        <translation>لم يتم اكتشاف أي جهاز</translation>
    </message>
    <message>
        <source>请将接收器插入电脑的USB接口，或通过蓝牙连接鼠标</source>
        <translation>وصّل جهاز الاستقبال بمنفذ USB في الكمبيوتر، أو صِل الماوس عبر البلوتوث</translation>
    </message>
    <message>
        <source>设备连接后将自动打开设置界面</source>
        <translation>ستُفتح الإعدادات تلقائيًا بعد توصيل الجهاز</translation>
    </message>
    <message>
        <source>电量低，请充电</source>
        <translation>البطارية منخفضة، يرجى الشحن</translation>
    </message>
    <message>
        <source>界面语言</source>
        <translation>لغة الواجهة</translation>
    </message>
    <message>
        <source>开机自启动</source>
        <translation>التشغيل عند تسجيل الدخول</translation>
    </message>
    <message>
        <source>设置失败</source>
        <translation>فشل الإعداد</translation>
    </message>
    <message>
        <source>以下各项决定哪些功能可以使用</source>
        <translation>تحدد العناصر التالية الميزات التي يمكن استخدامها</translation>
    </message>
    <message>
        <source>设备访问</source>
        <translation>الوصول إلى الجهاز</translation>
    </message>
    <message>
        <source>读写接收器的 HID 设备节点，用于连接设备、接收按键和语音</source>
        <translation>قراءة عُقد HID لجهاز الاستقبال والكتابة إليها، لتوصيل الجهاز واستقبال المفاتيح والصوت</translation>
    </message>
    <message>
        <source>安装随程序提供的 udev 规则，然后重新插入接收器：</source>
        <translation>ثبّت قاعدة udev المرفقة بالبرنامج، ثم أعد توصيل جهاز الاستقبال:</translation>
    </message>
    <message>
        <source>辅助功能</source>
        <translation>إمكانية الوصول</translation>
    </message>
    <message>
        <source>桌面辅助功能总线（AT-SPI），用于将识别的文字直接写入输入框</source>
        <translation>ناقل إمكانية الوصول لسطح المكتب (AT-SPI)، لكتابة النص المتعرَّف عليه مباشرة في حقول الإدخال</translation>
    </message>
    <message>
        <source>请安装 at-spi2-core 并在系统设置中开启辅助功能，然后重新登录</source>
        <translation>ثبّت at-spi2-core وفعّل إمكانية الوصول في إعدادات النظام، ثم سجّل الدخول مجددًا</translation>
    </message>
    <message>
        <source>X11 会话</source>
        <translation>جلسة X11</translation>
    </message>
    <message>
        <source>全局快捷键、模拟按键、输入监听和截图需要 X11 会话</source>
        <translation>تحتاج الاختصارات العامة والمفاتيح المحاكاة ومراقبة الإدخال ولقطات الشاشة إلى جلسة X11</translation>
    </message>
    <message>
        <source>请在登录界面选择 X11（Xorg）会话</source>
        <translation>اختر جلسة X11 (Xorg) في شاشة تسجيل الدخول</translation>
    </message>
    <message>
        <source>受限</source>
        <translation>محدود</translation>
    </message>
    <message>
        <source>Wayland 会话中，模拟按键、全局快捷键、输入监听和截图只对 XWayland 窗口有效，对原生 Wayland 窗口无效；如需全部功能，请在登录界面选择 X11（Xorg）会话</source>
        <translation>في جلسة Wayland، تعمل المفاتيح المحاكاة والاختصارات العامة ومراقبة الإدخال ولقطات الشاشة مع نوافذ XWayland فقط، وليس مع نوافذ Wayland الأصلية؛ لاستخدام كل الوظائف اختر جلسة X11 (Xorg) في شاشة تسجيل الدخول</translation>
    </message>
    <message>
        <source>已授权</source>
        <translation>مُنح</translation>
    </message>
    <message>
        <source>未授权</source>
        <translation>غير ممنوح</translation>
    </message>
    <message>
        <source>未检测到接收器</source>
        <translation>لم يُعثر على جهاز استقبال</translation>
    </message>
    <message>
        <source>检测中</source>
        <translation>جارٍ التحقق</translation>
    </message>
    <message>
        <source>复制命令</source>
        <translation>نسخ الأمر</translation>
    </message>
    <message>
        <source>已复制</source>
        <translation>تم النسخ</translation>
    </message>
    <message>
        <source>重新检测</source>
        <translation>إعادة التحقق</translation>
    </message>
    <message>
        <source>辅助设置</source>
        <translation>إعدادات مساعدة</translation>
    </message>
    <message>
        <source>部分设置无法读取，已恢复为默认值</source>
        <translation>تعذرت قراءة بعض الإعدادات، وأُعيدت إلى القيم الافتراضية</translation>
    </message>
    <message>
        <source>原设置文件已另存为：</source>
        <translation>حُفظ ملف الإعدادات الأصلي باسم: </translation>
    </message>
    <message>
        <source>录音失败，请检查麦克风</source>
        <translation>فشل التسجيل، يرجى التحقق من الميكروفون</translation>
    </message>
    <message>
        <source>点击太快了</source>
        <translation>الضغط سريع جدًا</translation>
    </message>
    <message>
        <source>请说话...</source>
        <translation>تحدث من فضلك...</translation>
    </message>
    <message>
        <source>没有听到您说话，请按语音键重说</source>
        <translation>لم يتم سماع أي كلام. اضغط على مفتاح الصوت وتحدث مرة أخرى</translation>
    </message>
    <message>
        <source>切换到打字模式</source>
        <translation>تم التبديل إلى وضع الكتابة</translation>
    </message>
    <message>
        <source>切换到翻译模式</source>
        <translation>تم التبديل إلى وضع الترجمة</translation>
    </message>
    <message>
        <source>连接服务器失败,请检查网络</source>
        <translation>فشل الاتصال بالخادم، يرجى التحقق من الشبكة</translation>
    </message>
    <message>
        <source>读取音频文件失败</source>
        <translation>تعذرت قراءة الملف الصوتي</translation>
    </message>
    <message>
        <source>无法播放回答中的音频</source>
        <translation>تعذر تشغيل الصوت المرفق بالإجابة</translation>
    </message>
    <message>
        <source>粘贴失败</source>
        <translation>فشل اللصق</translation>
    </message>
    <message>
        <source>翻译失败</source>
        <translation>فشلت الترجمة</translation>
    </message>
    <message>
        <source>无法朗读：没有语音引擎或声音输出设备</source>
        <translation>تعذرت القراءة بصوت عالٍ: لا يوجد محرك كلام أو جهاز إخراج صوت</translation>
    </message>
    <message>
        <source>无法播放音频</source>
        <translation>تعذر تشغيل الصوت</translation>
    </message>
    <message>
        <source>无法打开浏览器</source>
        <translation>تعذر فتح المتصفح</translation>
    </message>
    <message>
        <source>未获取到选中的文字</source>
        <translation>لم يتم الحصول على النص المحدد</translation>
    </message>
    <message>
        <source>复制成功</source>
        <translation>تم النسخ</translation>
    </message>
    <message>
        <source>复制失败</source>
        <translation>فشل النسخ</translation>
    </message>
    <message>
        <source>识别结果</source>
        <translation>نتيجة التعرف</translation>
    </message>
    <message>
        <source>划词翻译</source>
        <translation>ترجمة النص المحدد</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>اختصار</translation>
    </message>
    <message>
        <source>截图翻译</source>
        <translation>ترجمة لقطة الشاشة</translation>
    </message>
    <message>
        <source>截图快捷键已被其他程序占用</source>
        <translation>اختصار لقطة الشاشة مستخدم من برنامج آخر</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>فشل الحفظ</translation>
    </message>
    <message>
        <source>截图失败</source>
        <translation>فشل التقاط الشاشة</translation>
    </message>
    <message>
        <source>AI窗口无法打开</source>
        <translation>تعذر فتح نافذة الذكاء الاصطناعي</translation>
    </message>
    <message>
        <source>设备未连接</source>
        <translation>الجهاز غير متصل</translation>
    </message>
    <message>
        <source>打开失败</source>
        <translation>تعذر الفتح</translation>
    </message>
    <message>
        <source>已下载%1%</source>
        <translation>تم تنزيل %1%</translation>
    </message>
    <message>
        <source>下载完成</source>
        <translation>اكتمل التنزيل</translation>
    </message>
    <message>
        <source>导出完成</source>
        <translation>اكتمل التصدير</translation>
    </message>
    <message>
        <source>下载失败，error=%1</source>
        <translation>فشل التنزيل، error=%1</translation>
    </message>
    <message>
        <source>导出失败，error=%1</source>
        <translation>فشل التصدير، error=%1</translation>
    </message>
    <message>
        <source>Esc 键已被其他程序占用，请点击效果后按 Esc 退出</source>
        <translation>مفتاح Esc مستخدم من برنامج آخر؛ انقر على التأثير ثم اضغط Esc للخروج</translation>
    </message>
    <message>
        <source>无法读取屏幕画面</source>
        <translation>تعذرت قراءة الشاشة</translation>
    </message>
    <message>
        <source>硬激光</source>
        <translation>ليزر حقيقي</translation>
    </message>
    <message>
        <source>突出显示</source>
        <translation>تمييز</translation>
    </message>
    <message>
        <source>数码光点</source>
        <translation>نقطة ضوء رقمية</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>مكبر</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>قلم</translation>
    </message>
    <message>
        <source>切换到投屏模式</source>
        <translation>تم التبديل إلى وضع عرض الشاشة</translation>
    </message>
    <message>
        <source>倒计时和警告</source>
        <translation>العد التنازلي والتنبيه</translation>
    </message>
    <message>
        <source>15分钟</source>
        <translation>15 دقيقة</translation>
    </message>
    <message>
        <source>30分钟</source>
        <translation>30 دقيقة</translation>
    </message>
    <message>
        <source>60分钟</source>
        <translation>60 دقيقة</translation>
    </message>
    <message>
        <source>自定义倒计时长</source>
        <translation>مدة مخصصة (دقائق)</translation>
    </message>
    <message>
        <source>语音键功能</source>
        <translation>وظيفة مفتاح الصوت</translation>
    </message>
    <message>
        <source>麦克风</source>
        <translation>الميكروفون</translation>
    </message>
    <message>
        <source>语音打字</source>
        <translation>الكتابة الصوتية</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>الترجمة الصوتية</translation>
    </message>
    <message>
        <source>语音搜索</source>
        <translation>البحث الصوتي</translation>
    </message>
    <message>
        <source>切换到麦克风模式</source>
        <translation>تم التبديل إلى وضع الميكروفون</translation>
    </message>
    <message>
        <source>切换到搜索模式</source>
        <translation>تم التبديل إلى وضع البحث</translation>
    </message>
    <message>
        <source>输入设置</source>
        <translation>إعدادات الإدخال</translation>
    </message>
    <message>
        <source>识别带标点</source>
        <translation>التعرف مع علامات الترقيم</translation>
    </message>
    <message>
        <source>打字兼容模式</source>
        <translation>وضع الكتابة المتوافق</translation>
    </message>
    <message>
        <source>长语音识别</source>
        <translation>التعرف على الكلام الطويل</translation>
    </message>
    <message>
        <source>输入语种</source>
        <translation>لغة الإدخال</translation>
    </message>
    <message>
        <source>语音打字快捷键</source>
        <translation>اختصار الكتابة الصوتية</translation>
    </message>
    <message>
        <source>语音翻译快捷键</source>
        <translation>اختصار الترجمة الصوتية</translation>
    </message>
    <message>
        <source>语音搜索快捷键</source>
        <translation>اختصار البحث الصوتي</translation>
    </message>
    <message>
        <source>翻译设置</source>
        <translation>إعدادات الترجمة</translation>
    </message>
    <message>
        <source>翻译语种</source>
        <translation>لغات الترجمة</translation>
    </message>
    <message>
        <source>语音搜索引擎</source>
        <translation>محرك البحث الصوتي</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>手机号/邮箱</source>
        <translation>الهاتف/البريد الإلكتروني</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>كلمة المرور</translation>
    </message>
    <message>
        <source>信息不能为空</source>
        <translation>لا يمكن ترك المعلومات فارغة</translation>
    </message>
    <message>
        <source>请填写手机号/邮箱</source>
        <translation>يرجى إدخال رقم الهاتف أو البريد الإلكتروني</translation>
    </message>
    <message>
        <source>请填写密码</source>
        <translation>يرجى إدخال كلمة المرور</translation>
    </message>
    <message>
        <source>记住密码</source>
        <translation>تذكر كلمة المرور</translation>
    </message>
    <message>
        <source>忘记密码</source>
        <translation>نسيت كلمة المرور</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>تسجيل الدخول</translation>
    </message>
    <message>
        <source>注册</source>
        <translation>إنشاء حساب</translation>
    </message>
    <message>
        <source>登录成功</source>
        <translation>تم تسجيل الدخول</translation>
    </message>
    <message>
        <source>登录失败</source>
        <translation>فشل تسجيل الدخول</translation>
    </message>
    <message>
        <source>验证码</source>
        <translation>رمز التحقق</translation>
    </message>
    <message>
        <source>再次输入密码</source>
        <translation>أعد إدخال كلمة المرور</translation>
    </message>
    <message>
        <source>我已阅读并同意&lt;&lt;Corvane隐私政策&gt;&gt;及&lt;&lt;Corvane用户服务协议&gt;&gt;</source>
        <translation>لقد قرأت &lt;&lt;سياسة خصوصية Corvane&gt;&gt; و&lt;&lt;اتفاقية خدمة مستخدمي Corvane&gt;&gt; وأوافق عليهما</translation>
    </message>
    <message>
        <source>请先阅读并同意&lt;&lt;Corvane隐私政策&gt;&gt;及&lt;&lt;Corvane用户服务协议&gt;&gt;</source>
        <translation>يرجى قراءة &lt;&lt;سياسة خصوصية Corvane&gt;&gt; و&lt;&lt;اتفاقية خدمة مستخدمي Corvane&gt;&gt; والموافقة عليهما أولاً</translation>
    </message>
    <message>
        <source>请填写验证码</source>
        <translation>يرجى إدخال رمز التحقق</translation>
    </message>
    <message>
        <source>请填写确认密码</source>
        <translation>يرجى تأكيد كلمة المرور</translation>
    </message>
    <message>
        <source>两次输入密码不一致</source>
        <translation>كلمتا المرور غير متطابقتين</translation>
    </message>
    <message>
        <source>获取验证码失败</source>
        <translation>تعذر الحصول على رمز التحقق</translation>
    </message>
    <message>
        <source>注册失败</source>
        <translation>فشل إنشاء الحساب</translation>
    </message>
    <message>
        <source>找回秘密</source>
        <translation>إعادة تعيين كلمة المرور</translation>
    </message>
    <message>
        <source>修改密码成功</source>
        <translation>تم تغيير كلمة المرور</translation>
    </message>
    <message>
        <source>修改密码失败</source>
        <translation>تعذر تغيير كلمة المرور</translation>
    </message>
    <message>
        <source>发送验证码</source>
        <translation>إرسال الرمز</translation>
    </message>
    <message>
        <source>s后重新获取</source>
        <translation>ث حتى إعادة الإرسال</translation>
    </message>
    <message>
        <source>请先登录</source>
        <translation>يرجى تسجيل الدخول</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>إرسال</translation>
    </message>
    <message>
        <source>请输入内容</source>
        <translation>اكتب سؤالك</translation>
    </message>
    <message>
        <source>正在生成中。。。</source>
        <translation>جارٍ الإنشاء…</translation>
    </message>
    <message>
        <source>充值</source>
        <translation>شحن الرصيد</translation>
    </message>
    <message>
        <source>到期时间</source>
        <translation>تاريخ الانتهاء</translation>
    </message>
    <message>
        <source>获取用户信息失败</source>
        <translation>تعذر الحصول على معلومات المستخدم</translation>
    </message>
    <message>
        <source>指令词</source>
        <translation>كلمات الأوامر</translation>
    </message>
    <message>
        <source>热词</source>
        <translation>الكلمات المفتاحية</translation>
    </message>
    <message>
        <source>添加指令</source>
        <translation>إضافة أمر</translation>
    </message>
    <message>
        <source>确定要删除语音指令‘%1’？</source>
        <translation>حذف الأمر الصوتي "%1"؟</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>删除后该语音指令将失效！</source>
        <translation>لن يعمل الأمر الصوتي بعد حذفه!</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>فشل الحذف</translation>
    </message>
    <message>
        <source>点击此处添加热词,每行一个</source>
        <translation>انقر هنا لإضافة كلمات مفتاحية، كلمة في كل سطر</translation>
    </message>
    <message>
        <source>创建</source>
        <translation>إنشاء</translation>
    </message>
    <message>
        <source>创建失败</source>
        <translation>فشل الإنشاء</translation>
    </message>
    <message>
        <source>添加个性化指令</source>
        <translation>إضافة أمر مخصص</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>执行路径</source>
        <translation>الهدف</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>مجلد</translation>
    </message>
    <message>
        <source>网页</source>
        <translation>صفحة ويب</translation>
    </message>
    <message>
        <source>固定文本</source>
        <translation>نص ثابت</translation>
    </message>
    <message>
        <source>请填写完整后再创建</source>
        <translation>يرجى إكمال النموذج قبل الإنشاء</translation>
    </message>
    <message>
        <source>指令词已存在</source>
        <translation>كلمة الأمر موجودة بالفعل</translation>
    </message>
    <message>
        <source>文件或文件夹不存在</source>
        <translation>الملف أو المجلد غير موجود</translation>
    </message>
    <message>
        <source>请重新填写完整后再创建</source>
        <translation>يرجى إعادة تعبئة النموذج قبل الإنشاء</translation>
    </message>
    <message>
        <source>编辑失败</source>
        <translation>فشل التعديل</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>请输入音频路径…</source>
        <translation>أدخل مسار الملف الصوتي…</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>استعراض</translation>
    </message>
    <message>
        <source>默认存储路径为</source>
        <translation>مكان الحفظ الافتراضي: </translation>
    </message>
    <message>
        <source>Document</source>
        <translation>المستندات</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>حفظ باسم</translation>
    </message>
    <message>
        <source>开始转写</source>
        <translation>بدء النسخ</translation>
    </message>
    <message>
        <source>正在转写,请稍后...</source>
        <translation>جارٍ النسخ، يرجى الانتظار...</translation>
    </message>
    <message>
        <source>模式选择</source>
        <translation>الوضع</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>常亮</source>
        <translation>ثابت</translation>
    </message>
    <message>
        <source>呼吸</source>
        <translation>تنفس</translation>
    </message>
    <message>
        <source>跑马灯</source>
        <translation>متحرك</translation>
    </message>
    <message>
        <source>速度等级</source>
        <translation>السرعة</translation>
    </message>
    <message>
        <source>亮度调节</source>
        <translation>السطوع</translation>
    </message>
    <message>
        <source>颜色选择</source>
        <translation>اللون</translation>
    </message>
    <message>
        <source>低</source>
        <translation>منخفض</translation>
    </message>
    <message>
        <source>高</source>
        <translation>مرتفع</translation>
    </message>
    <message>
        <source>暗</source>
        <translation>داكن</translation>
    </message>
    <message>
        <source>亮</source>
        <translation>ساطع</translation>
    </message>
    <message>
        <source>使用习惯</source>
        <translation>اليد</translation>
    </message>
    <message>
        <source>左手</source>
        <translation>اليد اليسرى</translation>
    </message>
    <message>
        <source>右手</source>
        <translation>اليد اليمنى</translation>
    </message>
    <message>
        <source>低电提醒设置</source>
        <translation>تذكير البطارية المنخفضة</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>我的设备</source>
        <translation>جهازي</translation>
    </message>
    <message>
        <source>自动删除录音</source>
        <translation>حذف التسجيلات تلقائيًا</translation>
    </message>
    <message>
        <source>录音过程中指示灯熄灭</source>
        <translation>إطفاء المؤشر أثناء التسجيل</translation>
    </message>
    <message>
        <source>电量:</source>
        <translation>البطارية:</translation>
    </message>
    <message>
        <source>固件版本:</source>
        <translation>البرنامج الثابت:</translation>
    </message>
    <message>
        <source>版本</source>
        <translation>الإصدار </translation>
    </message>
    <message>
        <source>设备序列号:</source>
        <translation>الرقم التسلسلي:</translation>
    </message>
    <message>
        <source>关于AI鼠标</source>
        <translation>حول الفأرة الذكية</translation>
    </message>
    <message>
        <source>软件版本：</source>
        <translation>إصدار البرنامج:</translation>
    </message>
    <message>
        <source>固件版本：</source>
        <translation>إصدار البرنامج الثابت:</translation>
    </message>
    <message>
        <source>版本说明</source>
        <translation>ملاحظات الإصدار </translation>
    </message>
    <message>
        <source>语音打字，语音翻译，语音搜索，语音控制
划词翻译，截图识别，截图翻译，按键宏定义</source>
        <translation>الكتابة الصوتية، الترجمة الصوتية، البحث الصوتي، التحكم الصوتي
ترجمة الكلمات، التعرف على لقطة الشاشة، ترجمة لقطة الشاشة، وحدات ماكرو للمفاتيح</translation>
    </message>
    <message>
        <source>升级设备固件</source>
        <translation>تحديث الجهاز</translation>
    </message>
    <message>
        <source>升级接收器固件</source>
        <translation>تحديث جهاز الاستقبال</translation>
    </message>
    <message>
        <source>取消升级</source>
        <translation>إلغاء التحديث</translation>
    </message>
    <message>
        <source>升级后如果连接不上请重新配对</source>
        <translation>إذا لم يتصل الجهاز بعد التحديث فأعد إقرانه</translation>
    </message>
    <message>
        <source>当前是最新版本</source>
        <translation>لديك أحدث إصدار</translation>
    </message>
    <message>
        <source>升级失败</source>
        <translation>فشل التحديث</translation>
    </message>
    <message>
        <source>升级取消</source>
        <translation>تم إلغاء التحديث</translation>
    </message>
    <message>
        <source>固件升级中，退出将中断升级。</source>
        <translation>تحديث البرنامج الثابت قيد التشغيل. الخروج يوقف التحديث.</translation>
    </message>
    <message>
        <source>继续升级</source>
        <translation>متابعة التحديث</translation>
    </message>
    <message>
        <source>取消升级并退出</source>
        <translation>إلغاء التحديث والخروج</translation>
    </message>
    <message>
        <source>鼠标</source>
        <translation>الفأرة</translation>
    </message>
    <message>
        <source>电脑</source>
        <translation>الكمبيوتر</translation>
    </message>
    <message>
        <source>公网</source>
        <translation>الإنترنت</translation>
    </message>
    <message>
        <source>Corvane</source>
        <translation>Corvane</translation>
    </message>
    <message>
        <source>一键检测</source>
        <translation>فحص الآن</translation>
    </message>
    <message>
        <source>重置驱动</source>
        <translation>إعادة تعيين برنامج التشغيل</translation>
    </message>
    <message>
        <source>当前设备和环境一切正常,请放心使用,如有问题请联系客服</source>
        <translation>الجهاز والبيئة يعملان بشكل طبيعي. إذا واجهت مشكلة فاتصل بخدمة العملاء</translation>
    </message>
    <message>
        <source>当前设备和环境异常,如有问题请联系客服</source>
        <translation>هناك خلل في الجهاز أو البيئة. إذا واجهت مشكلة فاتصل بخدمة العملاء</translation>
    </message>
    <message>
        <source>转写音频</source>
        <translation>تفريغ الصوت</translation>
    </message>
    <message>
        <source>转写记录</source>
        <translation>سجل التفريغ</translation>
    </message>
    <message>
        <source>个人词库</source>
        <translation>مفرداتي</translation>
    </message>
    <message>
        <source>充值记录</source>
        <translation>سجل الشحن</translation>
    </message>
    <message>
        <source>昵称</source>
        <translation>الاسم المستعار</translation>
    </message>
    <message>
        <source>修改密码</source>
        <translation>تغيير كلمة المرور</translation>
    </message>
    <message>
        <source>可用时长(分钟):</source>
        <translation>الدقائق المتاحة:</translation>
    </message>
    <message>
        <source>请输入原始密码</source>
        <translation>أدخل كلمة المرور الحالية</translation>
    </message>
    <message>
        <source>请输入新密码</source>
        <translation>أدخل كلمة المرور الجديدة</translation>
    </message>
    <message>
        <source>请再次输入新密码</source>
        <translation>أعد إدخال كلمة المرور الجديدة</translation>
    </message>
    <message>
        <source>验证码登录</source>
        <translation>الدخول بالرمز</translation>
    </message>
    <message>
        <source>密码登录</source>
        <translation>الدخول بكلمة المرور</translation>
    </message>
    <message>
        <source>手机号</source>
        <translation>رقم الهاتف</translation>
    </message>
    <message>
        <source>请输入手机号</source>
        <translation>أدخل رقم الهاتف</translation>
    </message>
    <message>
        <source>获取验证码</source>
        <translation>الحصول على الرمز</translation>
    </message>
    <message>
        <source>请输入验证码</source>
        <translation>أدخل الرمز</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>أدخل كلمة المرور</translation>
    </message>
    <message>
        <source>扫一扫</source>
        <translation>امسح</translation>
    </message>
    <message>
        <source>立即登录</source>
        <translation>لتسجيل الدخول</translation>
    </message>
    <message>
        <source>进入AI智能创作</source>
        <translation>الدخول إلى الإبداع بالذكاء الاصطناعي</translation>
    </message>
    <message>
        <source>重置按键功能</source>
        <translation>إعادة تعيين وظائف الأزرار</translation>
    </message>
    <message>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <source>设置无法保存，更改将在下次启动时丢失</source>
        <translation>تعذر حفظ الإعدادات، وستضيع التغييرات عند التشغيل التالي</translation>
    </message>
    <message>
        <source>无法写入：</source>
        <translation>تعذرت الكتابة: </translation>
    </message>
    <message>
        <source>语音指令数据库被其他程序占用，指令稍后保存</source>
        <translation>برنامج آخر يستخدم قاعدة بيانات الأوامر الصوتية، وسيتم حفظ الأوامر لاحقًا</translation>
    </message>
    <message>
        <source>语音指令数据库已损坏，已重新创建</source>
        <translation>كانت قاعدة بيانات الأوامر الصوتية تالفة وتم إنشاؤها من جديد</translation>
    </message>
    <message>
        <source>原文件已另存为：</source>
        <translation>تم الاحتفاظ بالملف القديم باسم: </translation>
    </message>
    <message>
        <source>正在识别…</source>
        <translation>جارٍ التعرّف…</translation>
    </message>
    <message>
        <source>找不到可用的主文件夹，设置和记录都不会保存</source>
        <translation>لا يوجد مجلد منزل صالح للاستخدام: لن تُحفظ الإعدادات والسجلات</translation>
    </message>
    <message>
        <source>以root身份运行时无法打开AI窗口</source>
        <translation>لا يمكن فتح نافذة الذكاء الاصطناعي عند التشغيل بصلاحيات root</translation>
    </message>
    <message>
        <source>未能记住密码：没有可用的密钥环服务</source>
        <translation>تعذر حفظ كلمة المرور: لا تتوفر خدمة سلسلة مفاتيح</translation>
    </message>
    <message>
        <source>未能记住密码：密钥环未能保存</source>
        <translation>تعذر حفظ كلمة المرور: لم تحفظها سلسلة المفاتيح</translation>
    </message>
    <message>
        <source>固件下载失败，将在下次检查时重试</source>
        <translation>فشل تنزيل البرنامج الثابت، وسيُعاد المحاولة عند الفحص التالي</translation>
    </message>
    <message>
        <source>没有朗读这种语言的语音，已用默认语音朗读</source>
        <translation>لا يوجد صوت يقرأ هذه اللغة، فقرأها الصوت الافتراضي</translation>
    </message>
    <message>
        <source>原设置文件无法另存，无法读取的设置暂时保留在：</source>
        <translation>تعذّر نسخ ملف الإعدادات الأصلي؛ الإعدادات غير المقروءة محفوظة مؤقتًا في: </translation>
    </message>
    <message>
        <source>语音指令数据库无法使用，指令只保存在本次运行中</source>
        <translation>لا يمكن استخدام قاعدة بيانات الأوامر الصوتية؛ تُحفظ الأوامر لهذه الجلسة فقط</translation>
    </message>
    <message>
        <source>数据库文件保持原样。原因：</source>
        <translation>تُرك ملف قاعدة البيانات كما هو. السبب: </translation>
    </message>
    <message>
        <source>按键功能未能加载，将在下次连接设备或打开本页时重新获取</source>
        <translation>تعذّر تحميل وظائف الأزرار؛ ستُجلب مرة أخرى عند توصيل الجهاز أو فتح هذه الصفحة في المرة القادمة</translation>
    </message>
    <message>
        <source>未识别到文字</source>
        <translation>لم يُتعرّف على أي نص</translation>
    </message>
    <message>
        <source>关于智笔</source>
        <translation>حول القلم الذكي</translation>
    </message>
    <message>
        <source>SN:%1         软件版本： %2         固件版本： %3(%4)</source>
        <translation>الرقم التسلسلي: %1         إصدار البرنامج: %2         إصدار البرنامج الثابت: %3 (%4)</translation>
    </message>
    <message>
        <source>升级成功</source>
        <translation>تم التحديث بنجاح</translation>
    </message>
    <message>
        <source>+添加指令</source>
        <translation>+ إضافة أمر</translation>
    </message>
    <message>
        <source>到期时间:%1</source>
        <translation>تاريخ الانتهاء: %1</translation>
    </message>
    <message>
        <source>&lt; 返回</source>
        <translation>&lt; رجوع</translation>
    </message>
    <message>
        <source>该设备的AI对话页面暂未开放，您的问题会先保存在这里，请检查网络</source>
        <translation>صفحة دردشة الذكاء الاصطناعي لهذا الجهاز غير متاحة بعد. تُحفظ أسئلتك هنا حتى تتوفر؛ يرجى التحقق من الشبكة.</translation>
    </message>
    <message>
        <source>该设备的AI对话页面暂未开放，您的问题会先保存在这里，请连接设备并检查网络</source>
        <translation>صفحة دردشة الذكاء الاصطناعي لهذا الجهاز غير متاحة بعد. تُحفظ أسئلتك هنا حتى تتوفر؛ يرجى توصيل الجهاز والتحقق من الشبكة.</translation>
    </message>
    <message>
        <source>AI助手</source>
        <translation>مساعد الذكاء الاصطناعي</translation>
    </message>
    <message>
        <source>AI智能写作</source>
        <translation>الكتابة بالذكاء الاصطناعي</translation>
    </message>
    <message>
        <source>PPT</source>
        <translation>عروض PPT</translation>
    </message>
    <message>
        <source>录音失败</source>
        <translation>فشل التسجيل</translation>
    </message>
    <message>
        <source>语音识别出错</source>
        <translation>تعذّر التعرف على الكلام</translation>
    </message>
    <message>
        <source>固件文件无效，此版本不再下载</source>
        <translation>ملف البرنامج الثابت غير صالح؛ لن يُنزَّل هذا الإصدار مرة أخرى</translation>
    </message>
    <message>
        <source>程序已在您的另一个会话中运行。请在那里使用，或先在那里退出。</source>
        <translation>البرنامج قيد التشغيل بالفعل في جلسة أخرى لك. استخدمه هناك، أو أغلقه هناك أولًا.</translation>
    </message>
    <message>
        <source>程序已在运行，但没有响应。请结束它后再重新启动。</source>
        <translation>البرنامج قيد التشغيل بالفعل لكنه لا يستجيب. أنهِه ثم شغّله مرة أخرى.</translation>
    </message>
</context>
</TS>
